ûC:\Src\
; 
; PureBasic 5.70 LTS generated code
; Console
; The header
; kernel32.lib
; :System
format MS64 COFF   
extrn PB_OpenConsole
extrn _GetTickCount@0
extrn SYS_AllocateArray
extrn __imp_MessageBoxW
; a comment

PureBasicStart:
  CALL   PB_OpenConsole  

; x = 1
  MOV    rax,1
section '.data' data readable writeable
  NOP
_S1: dw 67,58,92,0
