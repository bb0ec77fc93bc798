; An MS-DOS .exe that says why it stops, leaves RAN.TXT in the current directory and ends with
; the exit code EXITCODE (nasm -D EXITCODE=1).
bits 16
cpu 8086
section .text start=0 vstart=0
header:
  db 'MZ'
  dw (image_end - header) % 512
  dw (image_end - header + 511) / 512
  dw 0                         ; relocations
  dw (header_end - header) / 16           ; header size in paragraphs
  dw 0x100                     ; minimum extra paragraphs: room for the stack
  dw 0xFFFF
  dw 0                         ; SS relative to the load segment
  dw 0xFFFE                    ; SP
  dw 0                         ; checksum
  dw start - header_end        ; IP
  dw 0                         ; CS relative to the load segment
  dw 0x1C                      ; relocation table offset
  dw 0                         ; overlay
  times 32 - ($ - $$) db 0
header_end:

%define OFS(label) (label - header_end)

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
