#pragma once
// The profile backend of the platform: the Win32 functions on Windows, PortableProfile elsewhere.
// The program, the simulated build and k8ctl open every INI file as one of these.

#ifdef _WIN32
#include "platform/profile_win32.h"
namespace k8 {
using SystemProfile = Win32Profile;
}
#else
#include "platform/profile.h"
namespace k8 {
using SystemProfile = PortableProfile;
}
#endif
