#pragma once
// How the main window colours its child controls (WM_CTLCOLOR), as data: the Windows side turns
// a ColourRule into SetTextColor/SetBkMode/SetBkColor/font and one of its owned brushes.

#include <array>
#include <optional>

#include "pages/geometry.h"

namespace k8 {

enum class ChildKind { Static, Edit, ListBox, Other };

struct ColourRule {
  std::optional<Colour> text;
  bool transparent = false;
  std::optional<Colour> textBackground;
  bool normalFont = false;
  Colour brush;
};

// nullopt: default handling.
std::optional<ColourRule> mainWindowColours(ChildKind kind, int controlId, Colour skinText,
                                            const std::array<Colour, 4>& stageColours);

}  // namespace k8
