; A 32-bit DLL with two exported functions and one internal helper.
; The compiler writes PureBasic.def with the exports, which Sparlin fixes up
; for the 32-bit linker.

Procedure.i Twice(Value.i)
  ProcedureReturn Value * 2
EndProcedure

ProcedureDLL.i AddNumbers(A.i, B.i)
  ProcedureReturn A + B
EndProcedure

ProcedureDLL.i Quadruple(Value.i)
  ProcedureReturn Twice(Twice(Value))
EndProcedure

; IDE Options = PureBasic 6.10 LTS (Windows - x86)
; ExecutableFormat = Shared dll
; CursorPosition = 9
; Executable = MathDll.dll
