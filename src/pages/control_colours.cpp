#include "pages/control_colours.h"

#include "pages/control_ids.h"

namespace k8 {
namespace {
constexpr Colour kBlack{0, 0, 0};
constexpr Colour kWhite{255, 255, 255};
constexpr Colour kLabelGreen{100, 150, 100};
constexpr Colour kMacroListBack{14, 15, 14};

ColourRule rule(std::optional<Colour> text, bool transparent, std::optional<Colour> textBack,
                bool normalFont, Colour brush) {
  ColourRule r;
  r.text = text;
  r.transparent = transparent;
  r.textBackground = textBack;
  r.normalFont = normalFont;
  r.brush = brush;
  return r;
}
}  // namespace

std::optional<ColourRule> mainWindowColours(ChildKind kind, int id, Colour skinText,
                                            const std::array<Colour, 4>& stageColours) {
  switch (kind) {
    case ChildKind::Static:
      if (isSwatchId(id)) return rule({}, false, {}, false, stageColours[id - kSwatchFirstId]);
      if (id == kLightModeLabelId || id == kLightParameterLabelId || id == kLightOptionLabelId ||
          id == kInsertLabelId)
        return rule(skinText, false, kBlack, true, kBlack);
      return rule(skinText, false, kLabelGreen, true, kLabelGreen);
    case ChildKind::Edit: return rule(skinText, true, {}, false, kBlack);
    case ChildKind::ListBox:
      if (id == kMacroListId || id == kSequenceListId)
        return rule(skinText, true, {}, false, kMacroListBack);
      return rule(kWhite, true, {}, true, kBlack);
    case ChildKind::Other: break;
  }
  return std::nullopt;
}

}  // namespace k8
