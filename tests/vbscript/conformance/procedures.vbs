' Procedures: arguments, results and scope.
Sub Bump(n) : n = n + 1 : End Sub
Sub BumpVal(ByVal n) : n = n + 1 : End Sub
Sub BumpRef(ByRef n) : n = n + 1 : End Sub
x = 1 : Bump x
ok x = 2, "arguments are ByRef by default"
BumpVal x
ok x = 2, "ByVal copies"
BumpRef x
ok x = 3, "ByRef"
Bump (x)
ok x = 3, "parentheses around one argument force ByVal"
Call Bump(x)
ok x = 4, "Call keeps ByRef"
Call Bump((x))
ok x = 4, "double parentheses with Call force ByVal"
y = Twice(x)
ok y = 8, "function result assigned to its name"
Function Twice(v) : Twice = v * 2 : End Function
Function Nothing1() : End Function
ok IsEmpty(Nothing1()), "function without assignment returns Empty"
Function Fib(n)
    If n < 2 Then
        Fib = n
    Else
        Fib = Fib(n - 1) + Fib(n - 2)
    End If
End Function
ok Fib(15) = 610, "recursion"
Function Early(n)
    Early = "start"
    If n > 0 Then Exit Function
    Early = "end"
End Function
ok Early(1) = "start" And Early(0) = "end", "Exit Function"
Sub Quit(ByRef out)
    out = 1
    Exit Sub
    out = 2
End Sub
Quit q
ok q = 1, "Exit Sub"
Function LateDim()
    v = 5
    Dim v
    LateDim = v
End Function
ok LateDim() = 5, "Dim applies to the whole procedure"
g = "global"
Function ReadGlobal() : ReadGlobal = g : End Function
ok ReadGlobal() = "global", "procedures see globals"
Function ShadowGlobal()
    Dim g
    g = "local"
    ShadowGlobal = g
End Function
ok ShadowGlobal() = "local" And g = "global", "Dim shadows a global"
Sub MakeImplicit() : implicitLocal = 5 : End Sub
MakeImplicit
ok IsEmpty(implicitLocal), "undeclared names in procedures are local"
Sub SetGlobal() : g = "changed" : End Sub
SetGlobal
ok g = "changed", "assigning an existing global"
Function Sum3(a, b, c) : Sum3 = a + b + c : End Function
ok Sum3(1, 2, 3) = 6, "several arguments"
Sub Swap(a, b)
    Dim t : t = a : a = b : b = t
End Sub
p = 1 : r = 2 : Swap p, r
ok p = 2 And r = 1, "swap through ByRef"
Dim arr(1) : arr(0) = 1
Sub ChangeArray(a) : a(0) = 99 : End Sub
ChangeArray arr
ok arr(0) = 99, "arrays by reference"
Sub ChangeCopy(ByVal a) : a(0) = 5 : End Sub
ChangeCopy arr
ok arr(0) = 99, "ByVal arrays are copies"
b = arr : b(0) = 1
ok arr(0) = 99 And b(0) = 1, "array assignment copies"
Function MakeArray() : MakeArray = Array(1, 2) : End Function
ok UBound(MakeArray()) = 1 And MakeArray()(1) = 2, "functions returning arrays"
Function Counter()
    Counter = 0
    Counter = Counter + 1
End Function
ok Counter() = 1, "the result variable can be read"
