' Corners of the language that scripts rely on.
Class Grid
    Private m_cells
    Private Sub Class_Initialize() : ReDim m_cells(3) : End Sub
    Public Property Get Cell(i) : Cell = m_cells(i) : End Property
    Public Property Let Cell(i, v) : m_cells(i) = v : End Property
    Public Property Get Early()
        Early = 1
        Exit Property
        Early = 2
    End Property
End Class
Set g = New Grid
g.Cell(2) = "two"
ok g.Cell(2) = "two", "Property Let with an index"
ok g.Early = 1, "Exit Property"
With g
    With New Grid
        .Cell(1) = "inner"
        ok .Cell(1) = "inner", "nested With uses the innermost object"
    End With
    ok .Cell(2) = "two", "outer With restored"
End With
Function Pick() : Set Pick = g : End Function
ok Pick().Cell(2) = "two" And Pick.Early = 1, "Set a function result"
Sub LocalThings(ByRef out)
    Const Factor = 3
    ReDim tmp(2)
    tmp(2) = 4
    out = tmp(2) * Factor
End Sub
LocalThings r
ok r = 12, "Const and ReDim inside a procedure"
ok -"5" = -5 And TypeName(-"5") = "Double", "negated text"
ok 1 < 2 < 3, "comparison chains compare a Boolean"
ok Len(5.5) = 3, "Len of a number"
ok "5" = 5 And 5 = "5", "literals on both sides"
Dim u
ok u = 0 And u = "" And IsEmpty(u), "uninitialised variables"
u = Null
ok IsNull(u) And IsNull(u = Null), "Null variables"
ok CStr(#12/31/1999 11:59:59 PM#) = "12/31/1999 11:59:59 PM", "date literal with time as text"
n = 0
For i = 1 To 3
    For j = 1 To 3
        If j = 2 Then Exit For
        n = n + 1
    Next
Next
ok n = 3, "Exit For leaves the inner loop only"
s = ""
For Each w In Split("a b c")
    If w = "b" Then Exit For
    s = s & w
Next
ok s = "a", "Exit For in For Each"
Function Classify(v)
    Select Case True
        Case v < 0 : Classify = "negative"
        Case v = 0 : Classify = "zero"
        Case Else : Classify = "positive"
    End Select
End Function
ok Classify(-1) = "negative" And Classify(0) = "zero" And Classify(5) = "positive", "Select Case True"
a = Array(1, 2, 3)
a(1) = a
ok IsArray(a(1)) And a(1)(1) = 2, "an array holding a copy of itself"
x = 10
ok x \ 3 = 3 And x / 4 = 2.5 And x Mod 4 = 2, "operators on a variable"
ok 0.1 * 3 <> 0.3, "doubles are not decimals"
ok CDbl("1.5") + 1 = 2.5, "text with a point on every machine"
ok Abs(-32768) = 32768 And TypeName(Abs(-32768)) = "Long", "Abs overflows to Long"
ok TypeName(CInt(1) * CInt(1)) = "Integer", "Integer product"
ok TypeName(CLng(1) + 1.5) = "Double", "Long plus Double"
ok TypeName(CSng(1.5) + CSng(1)) = "Single", "Single arithmetic"
ok TypeName(CCur(1) + 1) = "Currency", "Currency arithmetic"
ok TypeName(CByte(1) + CByte(1)) = "Byte", "Byte arithmetic"
ok TypeName(CByte(200) + CByte(100)) = "Integer", "Byte overflow becomes Integer"
ok IsEmpty(Empty) And TypeName(Empty * 1) = "Integer", "Empty times Integer"
ok "abc" & 1 + 2 = "abc3", "& after +"
ok Not "True" = False, "Not of text"
ok 1 = (5 And "3"), "And of a number and text"
ok StrComp("abc", "ABC", 1) = 0 And InStr(1, "ABC", "b", 1) = 2, "numeric compare argument"
Class ChangesArray
    Public Default Property Get Index()
        arrayToChange = 0
        Index = 1
    End Property
End Class
arrayToChange = Array(1, 2)
Set changer = New ChangesArray
picked = arrayToChange(changer)
ok picked = 2 And arrayToChange = 0, "an index whose default property replaces the array"
arrayToChange = Array(1, 2)
On Error Resume Next
arrayToChange(changer) = 5
ok Err.Number = 13 And arrayToChange = 0, "assigning through such an index"
On Error GoTo 0
For i = 32766 To 32768 : Next
ok i = 32769 And TypeName(i) = "Long", "a For counter grows from Integer to Long"
For i = 1 To 2 : Next
ok TypeName(i) = "Integer", "a For counter stays Integer"
For i = 1 To 2 Step 0.5 : Next
ok i = 2.5 And TypeName(i) = "Double", "a fractional Step makes a Double counter"
For i = 5 To 1 Step -1
    If i = 3 Then i = 1
Next
ok i = 0, "the body may change the counter"
