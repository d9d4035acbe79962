' Lexical rules: names, literals, comments, continuation and separators.
DIM MixedCase : mixedcase = 5
ok MIXEDCASE = 5, "names ignore case"
ok TypeName(32767) = "Integer", "32767 is an Integer"
ok TypeName(32768) = "Long", "32768 is a Long"
ok TypeName(2147483647) = "Long", "2147483647 is a Long"
ok TypeName(2147483648) = "Double", "2147483648 is a Double"
ok TypeName(1.5) = "Double", "1.5 is a Double"
ok TypeName(-32768) = "Long", "negated 32768 stays a Long"
ok 1.5E3 = 1500, "exponent"
ok .5 = 0.5, "leading point"
ok &hFF = 255, "hex"
ok &HFFFF = -1, "four hex digits make an Integer"
ok TypeName(&hFFFF) = "Integer", "hex Integer"
ok &hFFFF& = 65535, "& suffix makes a Long"
ok TypeName(&h10000) = "Long", "five hex digits make a Long"
ok &hFFFFFFFF = -1, "eight hex digits wrap"
ok &o17 = 15, "octal"
ok &O777& = 511, "octal with suffix"
ok "say ""hi""" = "say " & Chr(34) & "hi" & Chr(34), "doubled quotes"
ok Len("") = 0, "empty string"
ok #1/2/2003# = DateSerial(2003, 1, 2), "date literal is month first"
ok #2003-12-25# = DateSerial(2003, 12, 25), "ISO date literal"
ok Hour(#10:30:00 PM#) = 22, "time literal"
ok IsEmpty(Empty) And IsNull(Null) And True And Not False, "keyword literals"
ok Nothing Is Nothing, "Nothing literal"
Rem a remark line
x = 1 : Rem after a colon
ok x = 1, "Rem after colon" ' trailing comment
y = 1 + _
    2 + _
    3
ok y = 6, "line continuation"
z = "a" & _
"b"
ok z = "ab", "continuation at line start"
a = 1 : b = 2 : c = a + b : ok c = 3, "colons separate statements"
::: ok True, "empty statements"
Class Keywords
    Public [end], [next]
End Class
Set k = New Keywords
k.end = 7 : k.Next = 8
ok k.END + k.next = 15, "keywords after a dot"
ok [MixedCase] = 5, "bracketed names"
my_var1 = 3
ok my_var1 = 3, "underscores and digits in names"
ok vbCrLf = Chr(13) & Chr(10), "vbCrLf"
ok Len(vbTab) = 1 And Asc(vbTab) = 9, "vbTab"
