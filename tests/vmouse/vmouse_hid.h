/* What a HID minidriver needs from the class driver and mingw-w64 does not ship (it has no
 * hidport.h, and its hidclass.h numbers the minidriver requests 0..5, which they are not).
 * Declared from the public documentation of the minidriver interface. */
#ifndef K8_VMOUSE_HID_H
#define K8_VMOUSE_HID_H

#include <ddk/wdm.h>

#define VMOUSE_HID_CTL(n) CTL_CODE(FILE_DEVICE_KEYBOARD, (n), METHOD_NEITHER, FILE_ANY_ACCESS)
#define VMOUSE_HID_IN_CTL(n) CTL_CODE(FILE_DEVICE_KEYBOARD, (n), METHOD_IN_DIRECT, FILE_ANY_ACCESS)
#define VMOUSE_HID_OUT_CTL(n) \
  CTL_CODE(FILE_DEVICE_KEYBOARD, (n), METHOD_OUT_DIRECT, FILE_ANY_ACCESS)

#define VMOUSE_IOCTL_HID_GET_DEVICE_DESCRIPTOR VMOUSE_HID_CTL(0)
#define VMOUSE_IOCTL_HID_GET_REPORT_DESCRIPTOR VMOUSE_HID_CTL(1)
#define VMOUSE_IOCTL_HID_READ_REPORT VMOUSE_HID_CTL(2)
#define VMOUSE_IOCTL_HID_WRITE_REPORT VMOUSE_HID_CTL(3)
#define VMOUSE_IOCTL_HID_GET_STRING VMOUSE_HID_CTL(4)
#define VMOUSE_IOCTL_HID_ACTIVATE_DEVICE VMOUSE_HID_CTL(7)
#define VMOUSE_IOCTL_HID_DEACTIVATE_DEVICE VMOUSE_HID_CTL(8)
#define VMOUSE_IOCTL_HID_GET_DEVICE_ATTRIBUTES VMOUSE_HID_CTL(9)
#define VMOUSE_IOCTL_HID_SET_FEATURE VMOUSE_HID_IN_CTL(100)
#define VMOUSE_IOCTL_HID_GET_FEATURE VMOUSE_HID_OUT_CTL(100)
#define VMOUSE_IOCTL_HID_SET_OUTPUT_REPORT VMOUSE_HID_IN_CTL(101)

#define HID_REVISION 0x00000001
#define HID_HID_DESCRIPTOR_TYPE 0x21
#define HID_REPORT_DESCRIPTOR_TYPE 0x22
#define HID_STRING_ID_IMANUFACTURER 14
#define HID_STRING_ID_IPRODUCT 15
#define HID_STRING_ID_ISERIALNUMBER 16

typedef struct {
  ULONG Revision;
  DRIVER_OBJECT* DriverObject;
  UNICODE_STRING* RegistryPath;
  ULONG DeviceExtensionSize;
  BOOLEAN DevicesArePolled;
  UCHAR Reserved[3];
} HID_MINIDRIVER_REGISTRATION;

typedef struct {
  DEVICE_OBJECT* PhysicalDeviceObject;
  DEVICE_OBJECT* NextDeviceObject;
  void* MiniDeviceExtension;
} HID_DEVICE_EXTENSION;

typedef struct {
  UCHAR* reportBuffer;
  ULONG reportBufferLen;
  UCHAR reportId;
} HID_XFER_PACKET;

typedef struct {
  ULONG Size;
  USHORT VendorID;
  USHORT ProductID;
  USHORT VersionNumber;
  USHORT Reserved[11];
} HID_DEVICE_ATTRIBUTES;

#pragma pack(push, 1)
typedef struct {
  UCHAR bLength;
  UCHAR bDescriptorType;
  USHORT bcdHID;
  UCHAR bCountry;
  UCHAR bNumDescriptors;
  struct {
    UCHAR bReportType;
    USHORT wReportLength;
  } DescriptorList[1];
} HID_DESCRIPTOR;
#pragma pack(pop)
_Static_assert(sizeof(HID_DESCRIPTOR) == 9, "the HID descriptor is 9 bytes on the wire");

NTSTATUS NTAPI HidRegisterMinidriver(HID_MINIDRIVER_REGISTRATION* registration);
/* Exported by the kernel, missing from mingw-w64's headers. */
NTSTATUS NTAPI ZwWaitForSingleObject(HANDLE handle, BOOLEAN alertable, LARGE_INTEGER* timeout);

/* The report descriptors of the four collections, in the order of enum vmouse_role. */
static const UCHAR vmouse_mouse_descriptor[] = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, /* generic desktop, mouse, application */
    0x09, 0x01, 0xA1, 0x00,             /* pointer, physical */
    0x05, 0x09, 0x19, 0x01, 0x29, 0x03, /* buttons 1-3 */
    0x15, 0x00, 0x25, 0x01, 0x95, 0x03, 0x75, 0x01, 0x81, 0x02, 0x95, 0x01,
    0x75, 0x05, 0x81, 0x03,                         /* padding */
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x09, 0x38, /* x, y, wheel */
    0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x03, 0x81, 0x06, 0xC0, 0xC0};
static const UCHAR vmouse_keyboard_descriptor[] = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, /* generic desktop, keyboard, application */
    0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, /* modifiers */
    0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81,
    0x02, 0x95, 0x01, 0x75, 0x08, 0x81, 0x01, /* reserved byte */
    0x95, 0x06, 0x75, 0x08, 0x15, 0x00, 0x25, 0x65, 0x05,
    0x07, 0x19, 0x00, 0x29, 0x65, 0x81, 0x00, 0xC0};
static const UCHAR vmouse_feature_descriptor[] = {
    0x06, 0x00, 0xFF, 0x0A, 0x00, 0xFF, 0xA1, 0x01, /* vendor 0xFF00/0xFF00, application */
    0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08,       /* bytes */
    0x09, 0x01, 0x95, 0x08, 0xB1, 0x02,             /* feature: the 8-byte command block */
    0x09, 0x02, 0x95, 0x20, 0x81, 0x02,             /* input: 32-byte data report */
    0x09, 0x03, 0x95, 0x20, 0x91, 0x02,             /* output: 32-byte data report */
    0xC0};
static const UCHAR vmouse_input_descriptor[] = {
    0x06, 0x01, 0xFF, 0x0A, 0x01, 0xFF, 0xA1, 0x01, /* vendor 0xFF01/0xFF01, application */
    0x85, 0x06,                                     /* report id 6 */
    0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x09,
    0x01, 0x95, 0x03, 0x81, 0x02, /* input: kind, unused, value */
    0xC0};

static const struct {
  const UCHAR* bytes;
  ULONG length;
} vmouse_report_descriptors[] = {
    {vmouse_mouse_descriptor, sizeof vmouse_mouse_descriptor},
    {vmouse_keyboard_descriptor, sizeof vmouse_keyboard_descriptor},
    {vmouse_feature_descriptor, sizeof vmouse_feature_descriptor},
    {vmouse_input_descriptor, sizeof vmouse_input_descriptor},
};

#endif
