; Window program that builds its image file name at run time from pieces.
; No complete extension stands in the program's text, so with
; " Remove ImagePlugins (Ext.)" ticked Sparlin drops the PNG plugin and the
; program crashes when it loads the picture. Clear the option (or add a
; string holding ".png") and it runs.

UsePNGImageDecoder()

Name$ = "banner"
Ext$ = "p" + "ng"
File$ = Name$ + "." + Ext$

If OpenWindow(0, 100, 100, 320, 200, "Run-time names", #PB_Window_SystemMenu)
  If LoadImage(0, File$)
    ImageGadget(0, 10, 10, 300, 180, ImageID(0))
  EndIf
  Repeat
  Until WaitWindowEvent(100) = #PB_Event_CloseWindow
EndIf
End

; IDE Options = PureBasic 6.10 LTS (Windows - x64)
; CursorPosition = 11
; EnableXP
; Executable = RuntimeNames.exe
