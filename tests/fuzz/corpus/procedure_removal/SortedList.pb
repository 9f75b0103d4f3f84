; Sorted list example: a linked list sorted with SortList, whose list
; sorting links the elements through the SimpleList library.

NewList Names.s()
AddElement(Names()) : Names() = "Pear"
AddElement(Names()) : Names() = "Apple"
AddElement(Names()) : Names() = "Plum"
SortList(Names(), #PB_Sort_Ascending)
OpenConsole()
ForEach Names()
  PrintN(Names())
Next
CloseConsole()
End

; IDE Options = PureBasic 6.10 LTS (Windows - x64)
; ExecutableFormat = Console
; CursorPosition = 8
; EnableXP
; Executable = SortedList.exe
