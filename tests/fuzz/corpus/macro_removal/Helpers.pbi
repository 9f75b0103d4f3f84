; Helpers for Main.pb

Macro Square(x)
  ((x) * (x))
EndMacro

Macro Twice_Text(Text)
  Text + " " + Text
EndMacro

Procedure Greet(Who$)
  PrintN("Hello, " + Who$ + "!")
EndProcedure

Procedure NeverCalled()
  PrintN("This procedure is removed by Sparlin.")
EndProcedure

Procedure.s AlsoUnused(Value)
  ProcedureReturn Str(Value)
EndProcedure
