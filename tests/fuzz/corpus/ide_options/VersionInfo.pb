C:\Out\demo.exe
; Console program with version information and an added resource file.

OpenConsole()
PrintN("Version info example")
CloseConsole()

; IDE Options = PureBasic 6.10 LTS (Windows - x64)
; ExecutableFormat = Console
; CursorPosition = 4
; EnableXP
; Executable = VersionInfo.exe
; IncludeVersionInfo
; VersionField0 = 1,2,3,4
; VersionField1 = 1,2,3,4
; VersionField2 = Sparlin Examples
; VersionField3 = VersionInfo
; VersionField4 = 1.2.3.4
; VersionField5 = 1.2.3.4
; VersionField6 = Example with version information
; VersionField7 = VersionInfo
; VersionField8 = VersionInfo.exe
; VersionField9 = (c) Sparlin contributors
; AddResource = extra.rc
