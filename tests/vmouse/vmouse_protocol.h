/* The frames between the virtual mouse's driver and its host process (k8vmouse serve). Shared by
 * the C driver and the C++ host, so plain C. Every frame has the same size: a pipe read then
 * always wants one whole frame. */
#ifndef K8_VMOUSE_PROTOCOL_H
#define K8_VMOUSE_PROTOCOL_H

#define VMOUSE_PIPE_NAME L"k8vmouse"
#define VMOUSE_CONTROL_PIPE_NAME L"k8vmouse-control"

/* The four collections, each a device of its own (one HID interface per device under Wine 8). */
enum vmouse_role {
  VMOUSE_ROLE_MOUSE = 0, /* usage page 1, usage 2 */
  VMOUSE_ROLE_KEYBOARD,  /* usage page 1, usage 6 */
  VMOUSE_ROLE_FEATURE,   /* 0xFF00/0xFF00: feature report 0 of 8 bytes, data reports of 32 */
  VMOUSE_ROLE_INPUT,     /* 0xFF01/0xFF01: input report 6 of 3 bytes */
  VMOUSE_ROLE_COUNT
};

enum vmouse_op {
  /* driver -> host, on the transfer connection (each answered by one reply frame) */
  VMOUSE_OP_HELLO = 'H',       /* a device started; the connection belongs to `role` */
  VMOUSE_OP_SET_FEATURE = 'S', /* data: the 8 bytes of feature report 0 */
  VMOUSE_OP_GET_FEATURE = 'G', /* reply data: 8 bytes */
  VMOUSE_OP_WRITE = 'W',       /* data: one 32-byte output report */
  VMOUSE_OP_BYE = 'B',         /* the device is going: the host closes its event connection */
  /* driver -> host, first frame of the event connection; then host -> driver reports */
  VMOUSE_OP_EVENTS = 'E',
  VMOUSE_OP_REPORT = 'R' /* data: one input report as the class driver wants it */
};

enum vmouse_status { VMOUSE_OK = 0, VMOUSE_FAIL = 1, VMOUSE_STALL = 2 };

#define VMOUSE_FRAME_DATA 36

struct vmouse_frame {
  unsigned char op;
  unsigned char role;
  unsigned char status;
  unsigned char length; /* bytes of data used */
  unsigned char data[VMOUSE_FRAME_DATA];
};

#endif
