' Statements written the compact ways scripts found on the web write them.
Sub OneLine() oneLineRan = True End Sub
Dim oneLineRan
OneLine
ok oneLineRan, "a procedure on one line, its end after the last statement"

Function Twice(n) : Twice = n * 2 End Function
ok Twice(4) = 8, "End Function on the line of the last statement"

Class Named
    Public Name End Class
Set n = New Named
n.Name = "x"
ok n.Name = "x", "End Class after a field"

Class Runner
    Public Ran
    Public Function Run() : Ran = True : Run = "ran" : End Function
    Public Property Get Name() : Name = "runner" : End Property
End Class
name = (New Runner).Name
ok name = "runner", "member of a parenthesised New"
Call (New Runner).Run()
ok True, "Call on a member of a parenthesised New"
Set r = New Runner
ran = (r).Run()
ok ran = "ran" And r.Ran, "member of a parenthesised variable"

Dim property
property = 3
ok property = 3, "Property is an ordinary name outside a class"
Function Get(x) : Get = x + 1 : End Function
ok Get(1) = 2, "Get is an ordinary name"
Dim step, preserve, explicit, [error]
step = 1 : preserve = 2 : explicit = 3
ok step + preserve + explicit = 6, "Step, Preserve and Explicit as names"

Stop
ok True, "Stop does nothing without a debugger"

ok +"abc" = "abc" And TypeName(+"abc") = "String", "unary plus leaves text as it is"
ok +5 = 5 And TypeName(+Empty) = "Empty", "unary plus on numbers and Empty"

hits = 0
If True Then : hits = hits + 1 : hits = hits + 1
ok hits = 2, "Then : runs the rest of the line"
If False Then : hits = 100 : hits = 200
ok hits = 2, "Then : with a false condition skips the rest of the line only"
after = "reached"
ok after = "reached", "the lines after a Then : are not swallowed"
If True Then hits = 3 :
ok hits = 3, "a trailing colon ends a single-line If"
If False Then hits = 9 Else hits = 4 End If
ok hits = 4, "single-line If with End If on the same line"
If hits = 4 Then
    hits = 5 End If
ok hits = 5, "End If after the last statement"
For i = 1 To 2 : hits = hits + 1 : Next
ok hits = 7, "a For loop on one line"
