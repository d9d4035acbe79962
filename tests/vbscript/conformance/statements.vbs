' Statements and control flow.
Dim a, b(2), c()
b(0) = "x" : b(2) = "z"
ok UBound(b) = 2 And b(2) = "z", "Dim with bounds"
ReDim c(3)
c(3) = 9
ok UBound(c) = 3, "ReDim"
ReDim Preserve c(5)
ok c(3) = 9 And UBound(c) = 5, "ReDim Preserve keeps values"
ReDim c(1)
ok IsEmpty(c(0)), "ReDim without Preserve clears"
Dim m(1, 2)
m(1, 2) = "corner"
ok m(1, 2) = "corner" And UBound(m, 2) = 2, "two dimensions"
Const Pi = 3.14, Greeting = "hi"
ok Pi = 3.14 And Greeting = "hi", "Const"
If 1 = 2 Then
    r = "then"
ElseIf 2 = 2 Then
    r = "elseif"
Else
    r = "else"
End If
ok r = "elseif", "ElseIf"
If False Then r = 1 Else r = 2
ok r = 2, "single-line If Else"
If True Then r = 3 : r = r + 1
ok r = 4, "single-line If with several statements"
If False Then r = 5 : r = 6
ok r = 4, "single-line If skips all its statements"
If True Then If False Then r = 7 Else r = 8
ok r = 8, "nested single-line If"
Function Grade(n)
    Select Case n
        Case 1, 2, 3
            Grade = "low"
        Case 4 To 6
            Grade = "mid"
        Case Is > 9, 8
            Grade = "high"
        Case Else
            Grade = "other"
    End Select
End Function
ok Grade(2) = "low" And Grade(5) = "mid" And Grade(10) = "high" And Grade(8) = "high", "Select Case"
ok Grade(7) = "other", "Case Else"
Select Case "B"
    Case "a" : r = 1
    Case "A" To "C" : r = 2
End Select
ok r = 2, "Select on text with a range"
total = 0
For i = 1 To 10 : total = total + i : Next
ok total = 55 And i = 11, "For counts past the end"
total = 0
For i = 10 To 1 Step -2 : total = total + i : Next
ok total = 30, "For with negative Step"
total = 0
For i = 0 To 1 Step 0.25 : total = total + 1 : Next
ok total = 5, "fractional Step"
For i = 1 To 0 : total = -1 : Next
ok total = 5, "empty For range"
lim = 3 : count = 0
For i = 1 To lim : lim = 10 : count = count + 1 : Next
ok count = 3, "For evaluates its end once"
For i = 1 To 100
    If i = 7 Then Exit For
Next
ok i = 7, "Exit For"
s = ""
For Each v In Array("a", "b", "c") : s = s & v : Next
ok s = "abc", "For Each over an array"
s = ""
For Each v In m : s = s & "." : Next
ok s = "......", "For Each over two dimensions"
n = 0
Do While n < 5 : n = n + 1 : Loop
ok n = 5, "Do While"
Do Until n = 0 : n = n - 1 : Loop
ok n = 0, "Do Until"
Do : n = n + 1 : Loop While n < 3
ok n = 3, "Loop While"
Do : n = n + 1 : Loop Until n >= 10
ok n = 10, "Loop Until"
Do : n = n + 1 : Loop Until True
ok n = 11, "Loop condition at the bottom runs once"
Do
    n = n + 1
    If n = 20 Then Exit Do
Loop
ok n = 20, "Exit Do"
While n > 15 : n = n - 1 : Wend
ok n = 15, "While Wend"
For i = 1 To 3
    Do
        Exit Do
    Loop
    n = i
Next
ok n = 3, "Exit Do leaves only the inner loop"
Set d = New Holder
With d
    .Value = 42
    .Name = "w"
    ok .Value = 42, "With reads"
End With
ok d.Value = 42 And d.Name = "w", "With writes"
Class Holder
    Public Value, Name
End Class
Set e = d
e.Value = 1
ok d.Value = 1, "Set shares the object"
Set e = Nothing
ok e Is Nothing, "Set to Nothing"
Dim arr2(2)
arr2(1) = 5
Erase arr2
ok IsEmpty(arr2(1)) And UBound(arr2) = 2, "Erase clears a fixed array"
total = 0
Call Add(3)
ok total = 3, "Call statement"
Add 4
ok total = 7, "call without parentheses"
Sub Add(x)
    If IsEmpty(total) Or total > 100 Then total = 0
    total = total + x
End Sub
