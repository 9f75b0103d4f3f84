C:\Out\demo.exe
; Console example: prints a greeting and the sum of two numbers.

OpenConsole()
PrintN("Hello from Sparlin!")
a = 40
b = 2
PrintN("The answer is " + Str(a + b))
Delay(10)
CloseConsole()
End

; IDE Options = PureBasic 6.10 LTS (Windows - x64)
; ExecutableFormat = Console
; CursorPosition = 8
; EnableXP
; Executable = Console.exe
