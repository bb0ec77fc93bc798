; An MS-DOS .exe that says why it stops, leaves RAN.TXT in the current directory and ends with
; the exit code EXITCODE (nasm -D EXITCODE=1).
bits 16
cpu 8086
section .text start=0 vstart=0
%include "DosMzHeader.inc"
mz_header 0x100                ; room for the stack

start:
  mov ax, cs
  mov ds, ax
  mov ah, 0x3C                 ; create RAN.TXT
  xor cx, cx
  mov dx, OFS(ran_name)
  int 0x21
  mov bx, ax
  mov ah, 0x3E
  int 0x21
  mov ah, 0x09
  mov dx, OFS(message)
  int 0x21
  mov ax, 0x4C00 + EXITCODE
  int 0x21
ran_name db 'RAN.TXT', 0
message db 'SYSTEM ROM MISSING$'
image_end:
