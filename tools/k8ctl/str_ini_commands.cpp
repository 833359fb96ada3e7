// k8ctl init-str-ini: the str.ini installed beside the program (res/str.ini is made with it).
#include <filesystem>
#include <system_error>

#include "cli.h"
#include "i18n/str_ini.h"
#include "platform/system_profile.h"

namespace k8ctl {
namespace {

namespace fs = std::filesystem;

// The new file is built beside OUT and then replaces it, so a failure leaves OUT as it was.
int initStrIni(const Args& args) {
  if (args.size() != 1) return fail("usage: init-str-ini OUT");
  const fs::path out = args[0];
  fs::path temp = out;
  temp += ".new";
  std::error_code ec;
  fs::remove(temp, ec);
  k8::SystemProfile ini(temp);
  if (!k8::writeInstalledStrIni(ini)) {
    fs::remove(temp, ec);
    return fail(out.string() + ": cannot be written");
  }
  fs::rename(temp, out, ec);
  if (ec) {
    fs::remove(temp, ec);
    return fail(out.string() + ": cannot be replaced");
  }
  return kOk;
}

const Registration kInitStrIni({"init-str-ini", "OUT", initStrIni});

}  // namespace
}  // namespace k8ctl
