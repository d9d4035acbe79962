' On Error Resume Next, the Err object and error numbers.
Function Code(expr)
    On Error Resume Next
    Execute1 expr
    Code = Err.Number
End Function
Sub Execute1(expr)
    Select Case expr
        Case "5" : x = Mid("a", 0)
        Case "6" : x = CInt(40000)
        Case "9" : Dim a(1) : x = a(2)
        Case "10" : Dim f(1) : ReDim f(2)
        Case "11" : x = 1 / 0
        Case "13" : x = "a" * 2
        Case "28" : Recurse
        Case "91" : Dim o : Set o = Nothing : x = o.Prop
        Case "94" : x = CInt(Null)
        Case "424" : Set x = 5
        Case "429" : Set x = CreateObject("No.Such")
        Case "438" : Set o = New Empty1 : o.Missing
        Case "450" : x = Len("a", "b")
        Case "451" : For Each v In 5 : Next
        Case "500" : x = UndefinedInStrictScript
        Case "501" : vbCr = 1
        Case "506" : Set x = New NoClass
    End Select
End Sub
Sub Recurse() : Recurse : End Sub
Class Empty1 : End Class
For Each n In Array(5, 6, 9, 10, 11, 13, 28, 91, 94, 424, 429, 438, 450, 451, 501, 506)
    ok Code(CStr(n)) = n, "error " & n
Next
ok Code("none") = 0, "no error"

On Error Resume Next
Err.Raise 1234, "my source", "my text"
ok Err.Number = 1234 And Err.Source = "my source" And Err.Description = "my text", "Err.Raise"
Err.Clear
ok Err.Number = 0 And Err.Description = "", "Err.Clear"
Err.Raise 11
ok Err.Description = "Division by zero", "Raise fills the description"
ok Err = 11, "Number is the default property"
Err.Raise vbObjectError + 1
ok Err.Number = vbObjectError + 1, "vbObjectError"
On Error GoTo 0
ok Err.Number = 0, "On Error GoTo 0 clears Err"

On Error Resume Next
x = 1
y = 1 / 0
x = 2
ok x = 2 And Err.Number = 11, "Resume Next goes on with the next statement"
Err.Clear
entered = False
If 1 / 0 Then entered = True
ok entered, "a failing condition enters the If"
Err.Clear
Sub Fails()
    z1 = "before"
    z2 = 1 / 0
    failedOn = True
End Sub
failedOn = False
Fails
ok Err.Number = 11 And Not failedOn, "an error in a callee unwinds to the caller"
Err.Clear
Function Guarded()
    On Error Resume Next
    Guarded = 1 / 0
    Guarded = "went on"
End Function
ok Guarded() = "went on", "callee handlers are their own"
Err.Clear
For i = 1 To 3
    q = 1 / (i - 2)
    last = i
Next
ok last = 3, "loops go on after errors"
On Error GoTo 0
