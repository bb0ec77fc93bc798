; An MS-DOS .exe that writes its command tail and current directory to OUT.TXT in the current
; directory, then opens the file named by its last argument, copies its first eight bytes to
; OUT.TXT and writes "DOSWRITE" after them in that file. OUT.TXT ends with "END".
bits 16
cpu 8086
section .text start=0 vstart=0
%include "DosMzHeader.inc"
mz_header 0x1000                ; room for the stack

start:
  mov ax, cs
  mov ds, ax                   ; ES stays on the PSP
  ; create OUT.TXT
  mov ah, 0x3C
  xor cx, cx
  mov dx, OFS(out_name)
  int 0x21
  jc fail
  mov [OFS(out_handle)], ax
  ; copy the tail out of the PSP
  xor ch, ch
  mov cl, [es:0x80]
  mov [OFS(tail_length)], cx
  mov si, 0x81
  mov di, OFS(tail)
copy_tail:
  jcxz tail_done
  mov al, [es:si]
  mov [di], al
  inc si
  inc di
  dec cx
  jmp copy_tail
tail_done:
  mov byte [di], 0
  mov cx, [OFS(tail_length)]
  mov dx, OFS(tail)
  call write_out
  call write_newline
  ; current drive and directory
  mov ah, 0x19
  int 0x21
  add al, 'A'
  mov [OFS(drive)], al
  mov ah, 0x47
  xor dl, dl
  mov si, OFS(folder)
  int 0x21
  mov di, OFS(drive)
  call length_of
  mov dx, OFS(drive)
  call write_out
  call write_newline
  ; the last argument: the text after the last blank of the tail
  mov si, OFS(tail)
  mov bx, si
find_last:
  mov al, [si]
  or al, al
  jz found_last
  inc si
  cmp al, ' '
  jne find_last
  mov bx, si
  jmp find_last
found_last:
  mov ax, 0x3D02               ; open for reading and writing
  mov dx, bx
  int 0x21
  jc no_medium
  mov bx, ax
  mov ah, 0x3F
  mov cx, 8
  mov dx, OFS(medium)
  int 0x21
  jc no_medium
  mov ah, 0x40
  mov cx, 8
  mov dx, OFS(written)
  int 0x21
  mov ah, 0x3E
  int 0x21
  mov cx, 8
  mov dx, OFS(medium)
  call write_out
  jmp finish
no_medium:
  mov cx, 9
  mov dx, OFS(no_medium_text)
  call write_out
finish:
  call write_newline
  mov cx, 3
  mov dx, OFS(end_text)
  call write_out
  mov bx, [OFS(out_handle)]
  mov ah, 0x3E
  int 0x21
  mov ax, 0x4C00
  int 0x21
fail:
  mov ax, 0x4C01
  int 0x21

write_out:                     ; CX bytes from DS:DX
  mov bx, [OFS(out_handle)]
  mov ah, 0x40
  int 0x21
  ret
write_newline:
  mov cx, 2
  mov dx, OFS(newline)
  jmp write_out
length_of:                     ; CX = length of the text at DI
  xor cx, cx
length_loop:
  cmp byte [di], 0
  je length_done
  inc di
  inc cx
  jmp length_loop
length_done:
  ret

out_name db 'OUT.TXT', 0
newline db 13, 10
end_text db 'END'
no_medium_text db 'NO MEDIUM'
written db 'DOSWRITE'
drive db 0, ':\'
folder times 65 db 0
out_handle dw 0
tail_length dw 0
medium times 8 db 0
tail times 130 db 0
image_end:
