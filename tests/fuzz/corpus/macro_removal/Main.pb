; Main file of a small project: an include file with macros and procedures,
; only some of which the program calls.

IncludePath "inc"
XIncludeFile "Helpers.pbi"
XIncludeFile "Helpers.pbi" ; included once only

OpenConsole()
Greet("includes")
PrintN(Twice_Text("macro"))
PrintN(Str(Square(7)))
CloseConsole()

; IDE Options = PureBasic 6.10 LTS (Windows - x64)
; ExecutableFormat = Console
; CursorPosition = 10
; Executable = Main.exe
