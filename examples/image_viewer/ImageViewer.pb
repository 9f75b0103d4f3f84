; Window program that shows a PNG and a JPEG picture named by string literals.
; Both decoders are needed and Sparlin keeps both plugins.

UsePNGImageDecoder()
UseJPEGImageDecoder()

If OpenWindow(0, 100, 100, 420, 240, "Sparlin image viewer", #PB_Window_SystemMenu)
  If LoadImage(0, "images/logo.png") And LoadImage(1, "images/photo.jpg")
    ImageGadget(0, 10, 10, 200, 220, ImageID(0))
    ImageGadget(1, 210, 10, 200, 220, ImageID(1))
  EndIf
  Repeat
  Until WaitWindowEvent(100) = #PB_Event_CloseWindow
EndIf
End

; IDE Options = PureBasic 6.10 LTS (Windows - x64)
; CursorPosition = 9
; EnableXP
; DPIAware
; Executable = ImageViewer.exe
