' The ranges of the arguments of the character and conversion functions.
Function ErrorOf(expression)
    On Error Resume Next
    Dim x
    x = Eval(expression)
    ErrorOf = Err.Number
End Function
Sub Check(expression, expected)
    ok ErrorOf(expression) = expected, expression & " raises " & expected
End Sub

' Chr takes 0 to 255 after rounding half to even; ChrW -32768 to 65535.
Check "Chr(0)", 0 : Check "Chr(255)", 0 : Check "Chr(-0.5)", 0
Check "Chr(256)", 5 : Check "Chr(-1)", 5 : Check "Chr(255.5)", 5 : Check "Chr(Null)", 94 : Check "Chr(""a"")", 13
Check "ChrW(65535)", 0 : Check "ChrW(-32768)", 0 : Check "ChrW(-32768.5)", 0
Check "ChrW(65536)", 5 : Check "ChrW(-32769)", 5 : Check "ChrW(65535.5)", 5
Check "ChrB(255)", 0 : Check "ChrB(256)", 5 : Check "ChrB(-1)", 5
ok ChrW(-1) = ChrW(65535) And AscW(ChrW(65535)) = -1, "ChrW of a negative number is its 16-bit character"
ok Chr(65.5) = "B" And Chr(66.5) = "B", "halves round to even"

' Asc and AscW of an empty text are errors; of Null 94.
Check "Asc("""")", 5 : Check "AscW("""")", 5 : Check "AscB("""")", 5
Check "Asc(Null)", 94 : Check "AscW(Null)", 94
ok Asc("AB") = 65 And AscW(ChrW(8364)) = 8364 And Asc(ChrW(8364)) = 128, "Asc of the first character"

' CByte 0 to 255, CInt -32768 to 32767, CLng -2147483648 to 2147483647, after rounding half to even.
Check "CByte(255)", 0 : Check "CByte(255.5)", 6 : Check "CByte(254.5)", 0 : Check "CByte(-0.5)", 0
Check "CByte(256)", 6 : Check "CByte(-1)", 6 : Check "CByte(-0.51)", 6 : Check "CByte(True)", 6 : Check "CByte(""256"")", 6
Check "CInt(32767)", 0 : Check "CInt(32767.5)", 6 : Check "CInt(-32768.5)", 0 : Check "CInt(-32768.51)", 6
Check "CInt(32768)", 6 : Check "CInt(-32769)", 6 : Check "CInt(""32767.5"")", 6
Check "CLng(2147483647)", 0 : Check "CLng(2147483647.5)", 6 : Check "CLng(-2147483648.5)", 0
Check "CLng(2147483648)", 6 : Check "CLng(-2147483648.51)", 6
ok CInt(2.5) = 2 And CInt(3.5) = 4 And CLng(-2.5) = -2 And CByte(254.5) = 254, "conversions round half to even"

' CCur to ±922337203685477.5807, CSng to about ±3.4E+38, CDate from year 100 to 9999.
Check "CCur(922337203685477)", 0 : Check "CCur(-922337203685477)", 0
Check "CCur(922337203685478)", 6 : Check "CCur(-922337203685478)", 6 : Check "CCur(1E+300)", 6
Check "CSng(3.4E+38)", 0 : Check "CSng(3.5E+38)", 6 : Check "CSng(-3.5E+38)", 6 : Check "CSng(""1E39"")", 6
ok CSng(1E-50) = 0, "a Single too small to hold is zero"
Check "CDate(-657434)", 0 : Check "CDate(2958465.99999)", 0 : Check "CDate(-657435)", 6 : Check "CDate(2958466)", 6
Check "CDbl(Null)", 94 : Check "CDbl(""abc"")", 13 : Check "CDbl(""1E309"")", 6 : Check "CDbl(""1E308"")", 0 : Check "CBool(""yes"")", 13 : Check "CBool(Null)", 94

' Hex and Oct take Long values.
Check "Hex(2147483647)", 0 : Check "Hex(-2147483648)", 0 : Check "Hex(2147483648)", 6 : Check "Oct(-2147483649)", 6
ok Hex(-1) = "FFFF" And Hex(-32769) = "FFFF7FFF" And Oct(-1) = "177777", "negative Integers and Longs"

' Counts and positions below their minimum are invalid arguments.
Check "Space(-1)", 5 : Check "String(-1, ""a"")", 5 : Check "String(3, """")", 5
Check "Left(""abc"", -1)", 5 : Check "Right(""abc"", -1)", 5 : Check "Mid(""abc"", 0)", 5 : Check "Mid(""abc"", 1, -1)", 5
Check "InStr(0, ""a"", ""b"")", 5 : Check "InStrRev(""a"", ""b"", 0)", 5 : Check "InStr(1, ""a"", ""b"", 2)", 5
Check "MonthName(0)", 5 : Check "MonthName(13)", 5 : Check "WeekdayName(0)", 5 : Check "WeekdayName(8)", 5
Check "WeekdayName(1, False, 8)", 5 : Check "Round(1.5, -1)", 5 : Check "FormatNumber(1, 256)", 5
Check "Split(""a"", "" "", -2)", 5 : Check "Replace(""a"", ""a"", ""b"", 0)", 5
ok String(2, 321) = "AA" And String(2, 65.5) = "BB", "String takes a character code modulo 256, rounded"
