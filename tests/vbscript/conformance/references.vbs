' How variables, array elements, loops and procedures behave.
count = 0
For i = 1 To 10
    i = i + 1
    count = count + 1
Next
ok count = 5, "changing the counter changes the loop: " & count
ok i = 11, "the counter after the loop: " & i
count = 0
For j = 10 To 1 Step -1
    If j = 8 Then j = 3
    count = count + 1
Next
ok count = 5, "a downward loop follows its counter: " & count
For k = 1 To 3
    k = 2.5
    count = count + 1
    If count > 20 Then Exit For
Next
ok count = 6 And k = 3.5, "a counter that becomes a Double goes on from its value: " & k

Sub Inc(ByRef v) : v = v + 1 : End Sub
Sub IncByVal(ByVal v) : v = v + 1 : End Sub
Dim a(2), m(1, 1)
a(0) = 1
Inc a(0)
ok a(0) = 2, "an array element is passed by reference"
Call Inc(a(1))
ok a(1) = 1, "with Call too"
IncByVal a(0)
ok a(0) = 2, "ByVal keeps the element"
Inc (a(0))
ok a(0) = 2, "parentheses pass a copy"
m(1, 0) = 5
Inc m(1, 0)
ok m(1, 0) = 6, "an element of a two-dimensional array"
Dim d : d = Array(1, 2)
Dim copy : copy = d
Inc d(1)
ok d(1) = 3 And copy(1) = 2, "a copy of the array is not touched"
Class Holder
    Public Items
    Private Sub Class_Initialize() : Items = Array(10, 20) : End Sub
    Public Sub Bump() : Inc Items(0) : End Sub
End Class
Set h = New Holder
h.Bump
ok h.Items(0) = 11, "an element of a field"
Sub Shrink(ByRef v) : ReDim d(0) : v = 99 : End Sub
Shrink d(1)
ok UBound(d) = 0, "an element whose array shrank during the call is dropped"

ok Early() = "second", "a procedure is defined before the code runs, and the later one wins"
Function Early() : Early = "first" : End Function
If False Then
    Function Hidden() : Hidden = "hidden" : End Function
End If
ok Hidden() = "hidden", "a procedure inside a block that never runs"
Function Early() : Early = "second" : End Function

Dim g(1, 2), order
For r = 0 To 1
    For c = 0 To 2
        g(r, c) = r & c
    Next
Next
For Each e In g
    order = order & e & " "
Next
ok order = "00 10 01 11 02 12 ", "For Each visits the first index fastest: " & order
Dim cube(1, 1, 1), n
For x = 0 To 1 : For y = 0 To 1 : For z = 0 To 1 : cube(x, y, z) = x & y & z : Next : Next : Next
order = ""
For Each e In cube
    order = order & e & " "
Next
ok order = "000 100 010 110 001 101 011 111 ", "three dimensions: " & order
