#pragma once
// The settings record as JSON (docs/json.md). The words form is what `k8ctl export` writes and
// `k8ctl import` reads; `k8ctl show --json` adds the record's numbers beside the words.

#include "json_fields.h"
#include "settings/mouse_settings.h"

namespace k8ctl {

// withCodes: add the numbers (show --json); sensorType then names the stages' DPI values.
Json recordToJson(const k8::MouseSettings& s, bool withCodes, int sensorType = 0);

// Reads the words form into `s`, which the caller starts from emptyRecord(). Throws FieldError
// naming the first bad field (paths start with `path`). The macro images are not part of it.
void recordFromJson(const Json& j, const std::string& path, k8::MouseSettings& s);

// All zeros, with the unused button slots 9-12 on "Key Off" as the program keeps them.
k8::MouseSettings emptyRecord();

}  // namespace k8ctl
