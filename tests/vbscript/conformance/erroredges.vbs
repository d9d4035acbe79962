' Error numbers at the edges of the built-in functions.
Function ErrorOf(source)
    On Error Resume Next
    Execute source
    ErrorOf = Err.Number
End Function

' A conversion used as a statement converts first, then refuses to throw its result away (458).
For Each f In Array("CBool", "CByte", "CCur", "CDate", "CDbl", "CInt", "CLng", "CSng", "CStr")
    ok ErrorOf("Call " & f & "(1)") = 458, "Call " & f & "(1) raises 458"
    ok ErrorOf(f & " 1") = 458, f & " 1 raises 458"
Next
ok ErrorOf("Call CByte(300)") = 6 And ErrorOf("Call CInt(40000)") = 6, "an overflowing argument gives 6 first"
ok ErrorOf("Call CCur(1E+300)") = 6 And ErrorOf("Call CLng(1E+10)") = 6, "CCur and CLng overflow first"
ok ErrorOf("Call CInt(""a"")") = 13 And ErrorOf("Call CDate(""a"")") = 13, "a text that is no number gives 13 first"
ok ErrorOf("Call CByte(Null)") = 94, "Null gives 94 first"
ok ErrorOf("Call CStr()") = 450, "the argument count is checked before everything"

' Omitted arguments: a missing text is a bad argument, a missing number is taken as Null.
ok ErrorOf("x = Mid(""abc"", 1, )") = 94, "Mid(s, 1, ) raises 94"
ok ErrorOf("x = Mid(""abc"", , 1)") = 94, "Mid(s, , 1) raises 94"
ok ErrorOf("x = Mid(, 1, 1)") = 5, "Mid(, 1, 1) raises 5"
ok Mid("abc", 2) = "bc", "Mid without its length"

' Join accepts only a one-dimensional array of values.
ok ErrorOf("x = Join(Null)") = 94, "Join(Null) raises 94"
Class NoDefault : End Class
Set plain = New NoDefault
ok ErrorOf("x = Join(plain)") = 438, "Join of an object raises 438"
ok ErrorOf("x = Join(Array(1, Null))") = 13, "Join of an array holding Null raises 13"
ok ErrorOf("Dim m(1, 1) : x = Join(m)") = 13, "Join of a two-dimensional array raises 13"
ok ErrorOf("x = Join(5)") = 13, "Join of a number raises 13"
ok Join(Array(1, "b", True), "-") = "1-b-True", "Join of values"

' The Format functions refuse Null with 13 and leave the variable Empty.
For Each f In Array("FormatNumber", "FormatCurrency", "FormatPercent", "FormatDateTime")
    On Error Resume Next
    target = 5
    Execute "target = " & f & "(Null)"
    ok Err.Number = 13 And IsEmpty(target), f & "(Null) raises 13 and leaves Empty"
    Err.Clear
    On Error GoTo 0
Next

' Err.Raise keeps numbers beyond 16 bits and HRESULTs, with the language's source.
On Error Resume Next
Err.Raise 65536
ok Err.Number = 65536 And Err.Description = "Unknown runtime error" And Err.Source = "VBScript runtime error", "Err.Raise 65536"
Err.Clear
Err.Raise -2147024882
ok Err.Number = -2147024882 And Err.Description = "Not enough storage is available to complete this operation.", _
   "Err.Raise of a system HRESULT takes the system's text"
Err.Clear
Err.Raise &H800A000B
ok Err.Number = 11 And Err.Description = "Division by zero", "the language's own HRESULT is its error number"
Err.Clear
Err.Raise vbObjectError + 513, "Mine", "Mine failed"
ok Err.Number = vbObjectError + 513 And Err.Source = "Mine" And Err.Description = "Mine failed", "vbObjectError numbers"
Err.Clear
Err.Raise 0
ok Err.Number = 5, "Err.Raise 0 raises 5"
Err.Clear
On Error GoTo 0

' IsNumeric of an object answers for its default value.
Class Boxed
    Public Value
    Public Default Property Get Item : Item = Value : End Property
End Class
Set box = New Boxed
box.Value = 12
ok IsNumeric(box), "an object whose default value is a number is numeric"
box.Value = "twelve"
ok Not IsNumeric(box), "an object whose default value is text is not"
ok Not IsNumeric(plain) And Not IsNumeric(Nothing), "objects without a default value are not numeric"
