' Eval, Execute, ExecuteGlobal and GetRef.
x = 10
ok Eval("x * 2") = 20, "Eval reads a global"
ok Eval("x = 10") = True, "= in Eval compares"
Execute "x = 11"
ok x = 11, "Execute assigns"
Execute "y = 1 : z = 2" & vbCrLf & "w = y + z"
ok w = 3, "several statements and lines"

Function Local()
    Dim v
    v = 5
    Execute "v = v + 1"
    Local = Eval("v * 10")
End Function
ok Local() = 60, "Execute and Eval see the procedure's locals"

Function Shadow()
    Dim x
    x = "local"
    Execute "x = x & ""!"""
    ExecuteGlobal "x = 42"
    Shadow = x
End Function
ok Shadow() = "local!", "Execute changes the local"
ok x = 42, "ExecuteGlobal changes the global of the same name"

ExecuteGlobal "Function Made(n) : Made = n + 100 : End Function"
ok Made(1) = 101, "ExecuteGlobal defines a procedure"
Execute "Class Built : Public V : End Class"
Set b = New Built
b.V = 3
ok b.V = 3, "Execute defines a class"

Class Counter
    Private m_count
    Public Sub Add(n) : Execute "m_count = m_count + n" : End Sub
    Public Property Get Count() : Count = Eval("m_count") : End Property
End Class
Set c = New Counter
c.Add 2
c.Add 3
ok c.Count = 5, "fields of Me inside Execute and Eval"

On Error Resume Next
Execute "x = "
ok Err.Number = 1023, "a syntax error in Execute is a run-time error: " & Err.Number
Err.Clear
r = Eval("1 +* 2")
ok Err.Number <> 0, "a syntax error in Eval is a run-time error"
Err.Clear
Execute "Err.Raise 6"
ok Err.Number = 6, "errors raised by executed code"
Err.Clear
On Error GoTo 0

Dim log
Sub Handler(a, b) : log = log & a & b : End Sub
Function Square(n) : Square = n * n : End Function
Set h = GetRef("Handler")
h "x", "y"
ok log = "xy", "calling a procedure through GetRef"
Call h("1", "2")
ok log = "xy12", "Call through GetRef"
Set f = GetRef("square")
ok f(7) = 49, "a function through GetRef"
ok TypeName(f) = "Object" And IsObject(f), "GetRef gives an object"
On Error Resume Next
Set f = GetRef("NoSuchProcedure")
ok Err.Number = 5, "GetRef of an unknown name: " & Err.Number
Err.Clear
h 1
ok Err.Number = 450, "wrong number of arguments through GetRef: " & Err.Number
Err.Clear
On Error GoTo 0

s = "n = n + 1"
n = 0
For i = 1 To 3 : Execute s : Next
ok n = 3, "the same text executed again"
