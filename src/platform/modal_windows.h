#pragma once
// How many modal windows of the program run now on the user-interface thread. Whoever runs one
// (a sub-dialog, a message box, the colour dialog, a popup menu) holds a ModalWindow for as long
// as it runs, so that the keyboard hook knows whose keys it sees.

namespace k8 {

int modalWindowDepth();

class ModalWindow {
 public:
  ModalWindow();
  ~ModalWindow();
  ModalWindow(const ModalWindow&) = delete;
  ModalWindow& operator=(const ModalWindow&) = delete;
};

}  // namespace k8
