; Console program that opens a DLL by a string literal and calls a function
; of another DLL through its import library. Sparlin copies both DLLs beside
; the output program.

Import "lib/helper.lib"
  HelperValue(Number)
EndImport

OpenConsole()
If OpenLibrary(0, "mylib.dll")
  PrintN("mylib.dll opened")
  CloseLibrary(0)
EndIf
PrintN(Str(HelperValue(21)))
CloseConsole()

; IDE Options = PureBasic 6.10 LTS (Windows - x64)
; ExecutableFormat = Console
; CursorPosition = 13
; Executable = DllUser.exe
