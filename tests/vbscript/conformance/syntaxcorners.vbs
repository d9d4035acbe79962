' Corners of the lexer and the parser that scripts copied from the web rely on.
Function ErrorOf(source)
    On Error Resume Next
    Execute source
    ErrorOf = Err.Number
End Function

' &h and &o start a number only before a digit of their base; otherwise & joins a variable.
hi = "H" : ho = "O" : o8 = "8"
ok "x" &hi = "xH", "&hi is & followed by the variable hi"
ok "x" &ho = "xO", "&ho is & followed by the variable ho"
ok "x" &o8 = "x8", "&o8 is & followed by the variable o8"
ok &hA = 10 And &HFF = 255 And &o17 = 15, "&h and &o before a digit of their base are numbers"
ok &HFFFF = -1 And &HFFFF& = 65535 And TypeName(&H10000) = "Long", "hexadecimal widths"
ok ErrorOf("x = 1 &o8") = 0 And ErrorOf("x = &o78") = 1031, "an octal number with an 8 in it is not a number"

' Comparison operators written backwards are the same operators.
ok (1 >< 2) And Not (1 >< 1), ">< is <>"
ok (1 =< 2) And (2 =< 2) And Not (3 =< 2), "=< is <="
ok (2 => 1) And (2 => 2) And Not (1 => 2), "=> is >="

' Parentheses around what is called do not count; around an argument they pass it by value.
Function Bump(n)
    n = n + 1
    Bump = n * 10
End Function
x = 1 : y = (Bump)(x)
ok y = 20 And x = 2, "(f)(x) calls f with x by reference"
x = 1 : y = ((Bump))((x))
ok y = 20 And x = 1, "((f))((x)) calls f with a copy of x"
x = 1 : Call (((Bump))) ((x))
ok x = 1, "Call (((f))) ((x)) passes a copy"
x = 1 : Call (((Bump))) (x)
ok x = 2, "Call (((f))) (x) passes x by reference"
a = Array(5, 6)
v = ((a))(1)
ok v = 6, "((a))(1) indexes the array"
' No assignment goes on after a comma: this calls ok with a comparison, not a(1) = 6.
ok (a)(1) = 6, "a comma after = value makes the statement a call"
Dim spaced(2)
spaced (1) = 7
ok spaced(1) = 7, "a space before the index still assigns"

' Unary plus changes nothing, not even an object into its default value.
Class Plain : End Class
Set obj = New Plain
ok +obj Is obj, "+obj Is obj"
ok TypeName(+"1") = "String" And TypeName(+True) = "Boolean", "unary plus keeps the subtype"
ok -"1" = -1 And TypeName(-"1") = "Double", "unary minus converts"

' A single-line If ending with Then : is complete: the lines after it are not its block.
ok ErrorOf("Sub S1" & vbCrLf & "If False Then :" & vbCrLf & "x = 1" & vbCrLf & "End Sub" & vbCrLf & _
           "Class K1 : End Class") = 0, "If … Then : at the end of a line opens no block"
ok ErrorOf("If True Then : : " & vbCrLf & "x = 1") = 0, "several colons after Then"
ok ErrorOf("If True Then" & vbCrLf & "x = 1") = 1014, "Then at the end of a line still opens a block"
ranAfter = False
If False Then :
ranAfter = True
ok ranAfter, "the line after If False Then : runs"
