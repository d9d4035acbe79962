Option Explicit
' Option Explicit: every name must be declared.
Dim declared, i, total
declared = 1
ok declared = 1, "declared variables work"
On Error Resume Next
undeclared = 5
ok Err.Number = 500, "assigning an undeclared name raises 500"
Err.Clear
declared = undeclaredToo + 1
ok Err.Number = 500 And declared = 1, "reading an undeclared name raises 500"
Err.Clear
Sub UsesLocal()
    Dim inside
    inside = 2
    notDeclaredInside = 3
End Sub
UsesLocal
ok Err.Number = 500, "procedures follow Option Explicit too"
Err.Clear
On Error GoTo 0
Const Limit = 3
For i = 1 To Limit
    total = total + i
Next
ok total = 6, "For over declared names"
ReDim grown(2)
grown(2) = "ok"
ok grown(2) = "ok", "ReDim declares"
