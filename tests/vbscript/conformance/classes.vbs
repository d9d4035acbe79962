' Classes, properties and objects.
Class Account
    Private m_balance
    Public Owner
    Private Sub Class_Initialize()
        m_balance = 0
        created = created + 1
    End Sub
    Private Sub Class_Terminate()
        terminated = terminated + 1
    End Sub
    Public Property Get Balance()
        Balance = m_balance
    End Property
    Public Property Let Balance(value)
        If value < 0 Then Err.Raise 5
        m_balance = value
    End Property
    Public Sub Deposit(amount)
        m_balance = m_balance + amount
    End Sub
    Public Function Describe()
        Describe = Owner & ":" & Me.Balance
    End Function
    Private Function Secret()
        Secret = 1
    End Function
    Public Function UseSecret()
        UseSecret = Secret() + 1
    End Function
End Class
created = 0 : terminated = 0
Set acc = New Account
ok created = 1, "Class_Initialize runs"
acc.Owner = "Ann"
acc.Balance = 10
acc.Deposit 5
ok acc.Balance = 15, "Property Get and Let"
ok acc.Describe() = "Ann:15", "Me and methods"
ok acc.UseSecret() = 2, "private members inside the class"
ok TypeName(acc) = "Account", "TypeName of an instance"
On Error Resume Next
x = acc.Secret()
ok Err.Number = 438, "private members are hidden"
Err.Clear
x = acc.m_balance
ok Err.Number = 438, "private fields are hidden"
Err.Clear
acc.Balance = -1
ok Err.Number = 5 And acc.Balance = 15, "Property Let may refuse"
On Error GoTo 0
Set acc = Nothing
ok terminated = 1, "Class_Terminate runs on the last release"
Class Node
    Public Value
    Private m_next
    Public Property Get NextNode() : Set NextNode = m_next : End Property
    Public Property Set NextNode(n) : Set m_next = n : End Property
End Class
Set n1 = New Node : Set n2 = New Node
n2.Value = "second"
Set n1.NextNode = n2
ok n1.NextNode.Value = "second", "Property Set"
ok n1.NextNode Is n2, "Is compares objects"
ok Not (n1 Is n2), "Is differs"
Class Wrapper
    Public Default Property Get Item()
        Item = "default"
    End Property
End Class
Set w = New Wrapper
ok w = "default", "default property in comparisons"
v = w
ok v = "default", "default property on assignment"
ok "x" & w = "xdefault", "default property in concatenation"
Class Counter2
    Public Count
    Public Function Add()
        Count = Count + 1
        Set Add = Me
    End Function
End Class
Set c = New Counter2
c.Count = 0
c.Add().Add().Add
ok c.Count = 3, "chained calls through Me"
Class Bag
    Public Items(2)
End Class
Set bag = New Bag
bag.Items(1) = "one"
ok bag.Items(1) = "one" And UBound(bag.Items) = 2, "array fields"
Set o1 = New Node
Set o2 = o1
Set o1 = Nothing
ok o2.Value = Empty And IsObject(o2), "references keep objects alive"
Class WithTerminateKeep
    Private Sub Class_Terminate()
        Set kept = Me
    End Sub
End Class
Dim kept
Set t = New WithTerminateKeep
Set t = Nothing
ok TypeName(kept) = "WithTerminateKeep", "an object kept in Class_Terminate survives"
Set kept = Nothing
