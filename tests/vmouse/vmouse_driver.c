/* A HID minidriver for test equipment: one collection of the virtual mouse per device. It keeps
 * no firmware. Every transfer is relayed to the host process over a named pipe and completed
 * with the host's answer; input reports pushed by the host complete the class driver's reads. */
#include <ddk/wdm.h>

#include "vmouse_hid.h"
#include "vmouse_protocol.h"

#define QUEUED_REPORTS 64

struct queued_report {
  ULONG length;
  UCHAR data[VMOUSE_FRAME_DATA];
};

struct vmouse_device {
  int role;
  KSPIN_LOCK lock;
  LIST_ENTRY reads;   /* pending IOCTL_HID_READ_REPORT */
  LIST_ENTRY stalled; /* transfers the host chose never to answer */
  struct queued_report queue[QUEUED_REPORTS];
  ULONG queueHead, queueCount;
  BOOLEAN removed;
  KMUTEX pipeMutex; /* one request and its reply at a time on the transfer connection */
  HANDLE pipe;
  HANDLE eventThread;
};

static struct vmouse_device* device_of(DEVICE_OBJECT* device) {
  return ((HID_DEVICE_EXTENSION*)device->DeviceExtension)->MiniDeviceExtension;
}

/* ---- pipe to the host ------------------------------------------------------------------ */

static NTSTATUS open_pipe(HANDLE* pipe) {
  UNICODE_STRING name;
  OBJECT_ATTRIBUTES attributes;
  IO_STATUS_BLOCK io;
  RtlInitUnicodeString(&name, L"\\??\\pipe\\" VMOUSE_PIPE_NAME);
  InitializeObjectAttributes(&attributes, &name, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, NULL,
                             NULL);
  return ZwCreateFile(pipe, GENERIC_READ | GENERIC_WRITE | SYNCHRONIZE, &attributes, &io, NULL, 0,
                      0, FILE_OPEN, FILE_SYNCHRONOUS_IO_NONALERT | FILE_NON_DIRECTORY_FILE, NULL,
                      0);
}

static NTSTATUS pipe_io(HANDLE pipe, struct vmouse_frame* frame, BOOLEAN write) {
  ULONG done = 0;
  while (done < sizeof *frame) {
    IO_STATUS_BLOCK io;
    NTSTATUS status = write ? ZwWriteFile(pipe, NULL, NULL, NULL, &io, (UCHAR*)frame + done,
                                          sizeof *frame - done, NULL, NULL)
                            : ZwReadFile(pipe, NULL, NULL, NULL, &io, (UCHAR*)frame + done,
                                         sizeof *frame - done, NULL, NULL);
    if (!NT_SUCCESS(status)) return status;
    if (io.Information == 0) return STATUS_PIPE_BROKEN;
    done += (ULONG)io.Information;
  }
  return STATUS_SUCCESS;
}

/* One request and its reply. A connection that breaks is dropped and opened again on the next
 * request, so a host started after the device still gets its transfers. */
static NTSTATUS ask_host(struct vmouse_device* dev, struct vmouse_frame* frame) {
  NTSTATUS status;
  frame->role = (UCHAR)dev->role;
  KeWaitForSingleObject(&dev->pipeMutex, Executive, KernelMode, FALSE, NULL);
  if (!dev->pipe) {
    status = open_pipe(&dev->pipe);
    if (!NT_SUCCESS(status)) dev->pipe = NULL;
    if (dev->pipe) {
      struct vmouse_frame hello = {VMOUSE_OP_HELLO, (UCHAR)dev->role, 0, 0, {0}};
      if (!NT_SUCCESS(pipe_io(dev->pipe, &hello, TRUE)) ||
          !NT_SUCCESS(pipe_io(dev->pipe, &hello, FALSE))) {
        ZwClose(dev->pipe);
        dev->pipe = NULL;
      }
    }
  }
  status = dev->pipe ? pipe_io(dev->pipe, frame, TRUE) : STATUS_DEVICE_NOT_CONNECTED;
  if (NT_SUCCESS(status)) status = pipe_io(dev->pipe, frame, FALSE);
  if (!NT_SUCCESS(status) && dev->pipe) {
    ZwClose(dev->pipe);
    dev->pipe = NULL;
  }
  KeReleaseMutex(&dev->pipeMutex, FALSE);
  return status;
}

/* ---- input reports ---------------------------------------------------------------------- */

static void complete_read(IRP* irp, const UCHAR* data, ULONG length) {
  IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
  ULONG room = stack->Parameters.DeviceIoControl.OutputBufferLength;
  if (length > room) length = room;
  RtlCopyMemory(irp->UserBuffer, data, length);
  irp->IoStatus.Status = STATUS_SUCCESS;
  irp->IoStatus.Information = length;
  IoCompleteRequest(irp, IO_NO_INCREMENT);
}

/* Hands a report to a pending read, or keeps it until the class driver asks again. */
static void deliver_report(struct vmouse_device* dev, const UCHAR* data, ULONG length) {
  KIRQL irql;
  IRP* irp = NULL;
  KeAcquireSpinLock(&dev->lock, &irql);
  if (!IsListEmpty(&dev->reads)) {
    irp = CONTAINING_RECORD(RemoveHeadList(&dev->reads), IRP, Tail.Overlay.ListEntry);
  } else if (dev->queueCount < QUEUED_REPORTS) {
    struct queued_report* slot = &dev->queue[(dev->queueHead + dev->queueCount) % QUEUED_REPORTS];
    slot->length = length;
    RtlCopyMemory(slot->data, data, length);
    ++dev->queueCount;
  }
  KeReleaseSpinLock(&dev->lock, irql);
  if (irp) complete_read(irp, data, length);
}

static NTSTATUS read_report(struct vmouse_device* dev, IRP* irp) {
  struct queued_report report;
  BOOLEAN have = FALSE, removed;
  KIRQL irql;
  KeAcquireSpinLock(&dev->lock, &irql);
  removed = dev->removed;
  if (!removed && dev->queueCount) {
    report = dev->queue[dev->queueHead];
    dev->queueHead = (dev->queueHead + 1) % QUEUED_REPORTS;
    --dev->queueCount;
    have = TRUE;
  } else if (!removed) {
    IoMarkIrpPending(irp);
    InsertTailList(&dev->reads, &irp->Tail.Overlay.ListEntry);
  }
  KeReleaseSpinLock(&dev->lock, irql);
  if (have) {
    complete_read(irp, report.data, report.length);
    return STATUS_SUCCESS;
  }
  if (removed) {
    irp->IoStatus.Status = STATUS_DEVICE_NOT_CONNECTED;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return STATUS_DEVICE_NOT_CONNECTED;
  }
  return STATUS_PENDING;
}

/* The host pushes reports on a connection of their own; this thread waits on it. It ends when
 * the host closes the connection (after the device's goodbye) or goes away. */
static VOID NTAPI event_thread(void* context) {
  struct vmouse_device* dev = context;
  HANDLE pipe;
  if (NT_SUCCESS(open_pipe(&pipe))) {
    struct vmouse_frame frame = {VMOUSE_OP_EVENTS, (UCHAR)dev->role, 0, 0, {0}};
    if (NT_SUCCESS(pipe_io(pipe, &frame, TRUE))) {
      while (NT_SUCCESS(pipe_io(pipe, &frame, FALSE))) {
        if (frame.op == VMOUSE_OP_REPORT && frame.length <= VMOUSE_FRAME_DATA) {
          deliver_report(dev, frame.data, frame.length);
        }
      }
    }
    ZwClose(pipe);
  }
  PsTerminateSystemThread(STATUS_SUCCESS);
}

/* ---- removal ---------------------------------------------------------------------------- */

static void fail_all(LIST_ENTRY* list, KSPIN_LOCK* lock) {
  for (;;) {
    KIRQL irql;
    IRP* irp = NULL;
    KeAcquireSpinLock(lock, &irql);
    if (!IsListEmpty(list)) {
      irp = CONTAINING_RECORD(RemoveHeadList(list), IRP, Tail.Overlay.ListEntry);
    }
    KeReleaseSpinLock(lock, irql);
    if (!irp) return;
    irp->IoStatus.Status = STATUS_DEVICE_NOT_CONNECTED;
    irp->IoStatus.Information = 0;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
  }
}

/* The class driver waits for its read thread at removal: every pending request must end here,
 * or the removal hangs. */
static void device_gone(struct vmouse_device* dev) {
  KIRQL irql;
  BOOLEAN first;
  KeAcquireSpinLock(&dev->lock, &irql);
  first = !dev->removed;
  dev->removed = TRUE;
  dev->queueCount = 0;
  KeReleaseSpinLock(&dev->lock, irql);
  fail_all(&dev->reads, &dev->lock);
  fail_all(&dev->stalled, &dev->lock);
  if (!first) return;
  {
    struct vmouse_frame bye = {VMOUSE_OP_BYE, 0, 0, 0, {0}};
    ask_host(dev, &bye);
  }
  if (dev->eventThread) {
    ZwWaitForSingleObject(dev->eventThread, FALSE, NULL);
    ZwClose(dev->eventThread);
    dev->eventThread = NULL;
  }
  if (dev->pipe) {
    ZwClose(dev->pipe);
    dev->pipe = NULL;
  }
}

/* ---- the collection this device is ------------------------------------------------------ */

/* The hardware ids name the collection: "...&ROLE_2" (the interface number may have been
 * given to another collection), else the interface number itself ("...&MI_02"). */
static int digit_after(const WCHAR* ids, ULONG count, const WCHAR* tag) {
  ULONG i, k;
  for (i = 0; i < count; ++i) {
    for (k = 0; tag[k] && i + k < count && ids[i + k] == tag[k]; ++k) {
    }
    if (!tag[k] && i + k < count && ids[i + k] >= '0' && ids[i + k] < '0' + VMOUSE_ROLE_COUNT) {
      return ids[i + k] - '0';
    }
  }
  return -1;
}

static int role_of(DEVICE_OBJECT* pdo) {
  WCHAR ids[256];
  ULONG needed = 0, count;
  int role;
  RtlZeroMemory(ids, sizeof ids);
  if (!NT_SUCCESS(IoGetDeviceProperty(pdo, DevicePropertyHardwareID, sizeof ids - sizeof(WCHAR),
                                      ids, &needed))) {
    return VMOUSE_ROLE_MOUSE;
  }
  count = sizeof ids / sizeof ids[0] - 1;
  if (needed / sizeof(WCHAR) < count) count = needed / sizeof(WCHAR);
  role = digit_after(ids, count, L"&ROLE_");
  if (role < 0) role = digit_after(ids, count, L"&MI_0");
  return role < 0 ? VMOUSE_ROLE_MOUSE : role;
}

static NTSTATUS complete(IRP* irp, NTSTATUS status, ULONG_PTR information) {
  irp->IoStatus.Status = status;
  irp->IoStatus.Information = information;
  IoCompleteRequest(irp, IO_NO_INCREMENT);
  return status;
}

static NTSTATUS copy_out(IRP* irp, const void* data, ULONG length) {
  IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
  if (stack->Parameters.DeviceIoControl.OutputBufferLength < length) {
    return complete(irp, STATUS_BUFFER_TOO_SMALL, 0);
  }
  RtlCopyMemory(irp->UserBuffer, data, length);
  return complete(irp, STATUS_SUCCESS, length);
}

static NTSTATUS get_string(IRP* irp) {
  static const WCHAR manufacturer[] = L"Test equipment";
  static const WCHAR product[] = L"Virtual gaming mouse";
  static const WCHAR serial[] = L"0000";
  IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
  ULONG id = (ULONG)(ULONG_PTR)stack->Parameters.DeviceIoControl.Type3InputBuffer & 0xFFFF;
  switch (id) {
    case HID_STRING_ID_IMANUFACTURER: return copy_out(irp, manufacturer, sizeof manufacturer);
    case HID_STRING_ID_IPRODUCT: return copy_out(irp, product, sizeof product);
    case HID_STRING_ID_ISERIALNUMBER: return copy_out(irp, serial, sizeof serial);
    default: return complete(irp, STATUS_INVALID_PARAMETER, 0);
  }
}

/* A transfer on the feature collection, answered by the host: done, failed, or never. */
static NTSTATUS relay(struct vmouse_device* dev, IRP* irp, UCHAR op) {
  HID_XFER_PACKET* packet = irp->UserBuffer;
  struct vmouse_frame frame;
  ULONG expected = op == VMOUSE_OP_WRITE ? 32 : 8;
  KIRQL irql;
  if (dev->role != VMOUSE_ROLE_FEATURE || !packet || packet->reportId != 0 ||
      packet->reportBufferLen < expected) {
    return complete(irp, STATUS_INVALID_PARAMETER, 0);
  }
  RtlZeroMemory(&frame, sizeof frame);
  frame.op = op;
  if (op != VMOUSE_OP_GET_FEATURE) {
    frame.length = (UCHAR)expected;
    RtlCopyMemory(frame.data, packet->reportBuffer, expected);
  }
  if (!NT_SUCCESS(ask_host(dev, &frame)) || frame.status == VMOUSE_FAIL) {
    return complete(irp, STATUS_UNSUCCESSFUL, 0);
  }
  if (frame.status == VMOUSE_STALL) {
    BOOLEAN removed;
    KeAcquireSpinLock(&dev->lock, &irql);
    removed = dev->removed;
    if (!removed) {
      IoMarkIrpPending(irp);
      InsertTailList(&dev->stalled, &irp->Tail.Overlay.ListEntry);
    }
    KeReleaseSpinLock(&dev->lock, irql);
    return removed ? complete(irp, STATUS_DEVICE_NOT_CONNECTED, 0) : STATUS_PENDING;
  }
  if (op == VMOUSE_OP_GET_FEATURE) RtlCopyMemory(packet->reportBuffer, frame.data, expected);
  /* The bytes of the report moved; the class driver passes the count on to the caller. */
  return complete(irp, STATUS_SUCCESS, expected);
}

static NTSTATUS NTAPI internal_ioctl(DEVICE_OBJECT* device, IRP* irp) {
  struct vmouse_device* dev = device_of(device);
  IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
  switch (stack->Parameters.DeviceIoControl.IoControlCode) {
    case VMOUSE_IOCTL_HID_GET_DEVICE_DESCRIPTOR: {
      HID_DESCRIPTOR d;
      RtlZeroMemory(&d, sizeof d);
      d.bLength = sizeof d;
      d.bDescriptorType = HID_HID_DESCRIPTOR_TYPE;
      d.bcdHID = 0x0111;
      d.bNumDescriptors = 1;
      d.DescriptorList[0].bReportType = HID_REPORT_DESCRIPTOR_TYPE;
      d.DescriptorList[0].wReportLength = (USHORT)vmouse_report_descriptors[dev->role].length;
      return copy_out(irp, &d, sizeof d);
    }
    case VMOUSE_IOCTL_HID_GET_REPORT_DESCRIPTOR:
      return copy_out(irp, vmouse_report_descriptors[dev->role].bytes,
                      vmouse_report_descriptors[dev->role].length);
    case VMOUSE_IOCTL_HID_GET_DEVICE_ATTRIBUTES: {
      HID_DEVICE_ATTRIBUTES a;
      RtlZeroMemory(&a, sizeof a);
      a.Size = sizeof a;
      a.VendorID = 0x04D9;
      a.ProductID = 0xA09F;
      a.VersionNumber = 0x0100;
      return copy_out(irp, &a, sizeof a);
    }
    case VMOUSE_IOCTL_HID_GET_STRING: return get_string(irp);
    case VMOUSE_IOCTL_HID_ACTIVATE_DEVICE:
    case VMOUSE_IOCTL_HID_DEACTIVATE_DEVICE: return complete(irp, STATUS_SUCCESS, 0);
    case VMOUSE_IOCTL_HID_READ_REPORT: return read_report(dev, irp);
    case VMOUSE_IOCTL_HID_WRITE_REPORT:
    case VMOUSE_IOCTL_HID_SET_OUTPUT_REPORT: return relay(dev, irp, VMOUSE_OP_WRITE);
    case VMOUSE_IOCTL_HID_SET_FEATURE: return relay(dev, irp, VMOUSE_OP_SET_FEATURE);
    case VMOUSE_IOCTL_HID_GET_FEATURE: return relay(dev, irp, VMOUSE_OP_GET_FEATURE);
    default: return complete(irp, STATUS_NOT_SUPPORTED, 0);
  }
}

static NTSTATUS NTAPI pnp(DEVICE_OBJECT* device, IRP* irp) {
  HID_DEVICE_EXTENSION* ext = device->DeviceExtension;
  struct vmouse_device* dev = ext->MiniDeviceExtension;
  IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
  switch (stack->MinorFunction) {
    case IRP_MN_START_DEVICE:
      if (!dev->eventThread) {
        OBJECT_ATTRIBUTES attributes;
        InitializeObjectAttributes(&attributes, NULL, OBJ_KERNEL_HANDLE, NULL, NULL);
        if (!NT_SUCCESS(PsCreateSystemThread(&dev->eventThread, THREAD_ALL_ACCESS, &attributes,
                                             NULL, NULL, event_thread, dev))) {
          dev->eventThread = NULL;
        }
      }
      irp->IoStatus.Status = STATUS_SUCCESS;
      break;
    case IRP_MN_SURPRISE_REMOVAL:
    case IRP_MN_REMOVE_DEVICE:
      device_gone(dev);
      irp->IoStatus.Status = STATUS_SUCCESS;
      break;
    case IRP_MN_QUERY_REMOVE_DEVICE:
    case IRP_MN_CANCEL_REMOVE_DEVICE:
    case IRP_MN_QUERY_STOP_DEVICE:
    case IRP_MN_CANCEL_STOP_DEVICE:
    case IRP_MN_STOP_DEVICE: irp->IoStatus.Status = STATUS_SUCCESS; break;
    default: break;
  }
  IoSkipCurrentIrpStackLocation(irp);
  return IoCallDriver(ext->NextDeviceObject, irp);
}

static NTSTATUS NTAPI power(DEVICE_OBJECT* device, IRP* irp) {
  HID_DEVICE_EXTENSION* ext = device->DeviceExtension;
  PoStartNextPowerIrp(irp);
  IoSkipCurrentIrpStackLocation(irp);
  return PoCallDriver(ext->NextDeviceObject, irp);
}

static NTSTATUS NTAPI add_device(DRIVER_OBJECT* driver, DEVICE_OBJECT* device) {
  HID_DEVICE_EXTENSION* ext = device->DeviceExtension;
  struct vmouse_device* dev = ext->MiniDeviceExtension;
  (void)driver;
  RtlZeroMemory(dev, sizeof *dev);
  dev->role = role_of(ext->PhysicalDeviceObject);
  KeInitializeSpinLock(&dev->lock);
  InitializeListHead(&dev->reads);
  InitializeListHead(&dev->stalled);
  KeInitializeMutex(&dev->pipeMutex, 0);
  device->Flags &= ~DO_DEVICE_INITIALIZING;
  return STATUS_SUCCESS;
}

static VOID NTAPI unload(DRIVER_OBJECT* driver) { (void)driver; }

NTSTATUS NTAPI DriverEntry(DRIVER_OBJECT* driver, UNICODE_STRING* registry) {
  HID_MINIDRIVER_REGISTRATION registration;
  driver->DriverExtension->AddDevice = add_device;
  driver->DriverUnload = unload;
  driver->MajorFunction[IRP_MJ_PNP] = pnp;
  driver->MajorFunction[IRP_MJ_POWER] = power;
  driver->MajorFunction[IRP_MJ_INTERNAL_DEVICE_CONTROL] = internal_ioctl;
  RtlZeroMemory(&registration, sizeof registration);
  registration.Revision = HID_REVISION;
  registration.DriverObject = driver;
  registration.RegistryPath = registry;
  registration.DeviceExtensionSize = sizeof(struct vmouse_device);
  registration.DevicesArePolled = FALSE;
  return HidRegisterMinidriver(&registration);
}
