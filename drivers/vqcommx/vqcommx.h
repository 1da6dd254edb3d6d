/* libvqcommx: the driver of the VELTA VQ2 interface. A link opened by name carries bytes
   between the interface and two queues, moved by a thread of the library's own. Every
   entry point uses the C calling convention; "handle" is an unsigned 32-bit link handle. */
#ifndef VQCOMMX_H
#define VQCOMMX_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define VQCOMMX_EXPORT __attribute__((visibility("default")))

/* Opens "VeltaVQ2-0", "VeltaVQ2-1", ... (zero-terminated UTF-16): the first, second, ...
   device path of VQCOMMX_DEVICES (colon-separated). Returns the handle, 0 on failure. */
VQCOMMX_EXPORT uint32_t _SetPortOpen(const uint16_t* nom);
VQCOMMX_EXPORT int32_t _SetPortClose(uint32_t handle);
/* Line speed: 0 = 9600, 1 = 38400, 2 = 57600, 3 = 115200 bauds. */
VQCOMMX_EXPORT int32_t _ChangeVitesse(uint32_t handle, int32_t code);
/* Starts the link thread; _IsRunTHREAD gives 1 while it runs. */
VQCOMMX_EXPORT int32_t _LanceTHREAD(uint32_t handle);
VQCOMMX_EXPORT int32_t _IsRunTHREAD(void);
VQCOMMX_EXPORT int32_t _StopTHREAD(void);
/* Queues bytes for sending; _EmptyBuffer gives 0 once all of them are on the line. */
VQCOMMX_EXPORT int32_t _SendH8(const uint8_t* octets, int32_t nombre);
VQCOMMX_EXPORT int32_t _EmptyBuffer(void);
/* Received bytes waiting, and a copy of at most `nombre` of them (the count copied). */
VQCOMMX_EXPORT int32_t _GetLenH8(void);
VQCOMMX_EXPORT int32_t _GetH8(uint8_t* tampon, int32_t nombre, int32_t reserve);
/* Ends a transfer from the program's side: the bytes waiting are dropped. */
VQCOMMX_EXPORT int32_t _StopAcquiLENTE(void);
VQCOMMX_EXPORT int32_t _GetVersion(void);
/* The signal generator of the VQ2 is not driven by this library: both do nothing. */
VQCOMMX_EXPORT int32_t _LanceGenerateur(void);
VQCOMMX_EXPORT int32_t _StopGenerateur(void);

#ifdef __cplusplus
}
#endif

#endif
