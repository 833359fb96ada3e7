#include "platform/modal_windows.h"

namespace k8 {
namespace {

// Modal windows belong to the thread that runs their loop.
thread_local int t_depth = 0;

}  // namespace

int modalWindowDepth() { return t_depth; }

ModalWindow::ModalWindow() { ++t_depth; }

ModalWindow::~ModalWindow() { --t_depth; }

}  // namespace k8
