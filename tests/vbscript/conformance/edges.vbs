' Conversions and built-ins at their edges, omitted arguments, Err.Raise and constants.
ok CBool("#TRUE#") = True And CBool("#FALSE#") = False And CBool("#true#"), "CBool of #TRUE# and #FALSE#"
taken = False
If "#TRUE#" Then taken = True
ok taken, "If on #TRUE#"
ok CByte("-0.5") = 0 And VarType(CByte("-0.5")) = vbByte, "CByte rounds to even before the range check"
ok CInt(-32768.5) = -32768 And CLng(-2147483648.5) = -2147483648, "the lowest values after rounding to even"
ok CInt(2.5) = 2 And CInt(3.5) = 4, "CInt rounds half to even"
ok Hex(-1) = "FFFF" And Hex(-32769) = "FFFF7FFF" And Hex(CLng(-1)) = "FFFFFFFF", "Hex of negative values"
ok Oct(-1) = "177777" And Oct(CLng(-1)) = "37777777777", "Oct of negative values"
ok Hex(2147483647) = "7FFFFFFF" And Hex(-2147483648) = "80000000", "Hex at the ends of Long"
ok Hex(255.5) = "100" And Hex(254.5) = "FE", "Hex rounds half to even"
ok IsNull(Hex(Null)) And Hex(Empty) = "0", "Hex of Null and Empty"
ok Mid("abcdef", 2.5, 2) = "bc" And Mid("abcdef", 3.5) = "def", "fractional Mid positions round to even"
ok Mid("abc", 5) = "" And VarType(Mid("abc", 5)) = vbString, "Mid beyond the end"
ok IsNull(Mid(Null, 1)) And VarType(Mid(Null, 1)) = vbNull, "Mid of Null"
ok Mid(Empty, 1) = "" And Mid(123, 2) = "23", "Mid of Empty and of a number"
ok Join(Array(1, Empty, "x"), "-") = "1--x" And Join(Array()) = "", "Join with Empty items and an empty array"
ok Join(Array("a", "b")) = "a b", "Join's default separator"
ok InStr("abc", Empty) = 1 And InStr(Empty, "a") = 0, "InStr with Empty"
ok IsNull(InStr(Null, "a")) And IsNull(InStr(1, "a", Null)), "InStr with Null text"
ok InStr(2.5, "abcabc", "b") = 2 And InStr(3.5, "abcabc", "b") = 5, "InStr's start rounds to even"
ok Replace("aAaA", "a", "x", , , vbTextCompare) = "xxxx", "Replace with omitted arguments"
ok Replace("aAaA", "a", "x", 1, -1) = "xAxA", "Replace counts"
ok Day(Empty) = 30 And Month(Empty) = 12 And Year(Empty) = 1899, "date parts of Empty"
ok IsNull(Year(Null)) And IsNull(Weekday(Null)), "date parts of Null"
ok DateSerial(2024, 2, 30) = #3/1/2024# And DateSerial(2024, 1.5, 1) = #2/1/2024#, "DateSerial rolls over and rounds"
ok DateAdd("m", 1, #1/31/2024#) = #2/29/2024#, "DateAdd keeps within the month"
ok DateAdd("d", 1.9, #1/1/2024#) = #1/2/2024#, "DateAdd drops the fraction of the number"
ok TypeName(CDate("1/2/2003")) = "Date", "CDate of text"

Sub Three(a, b, c) : got = TypeName(b) : End Sub
Dim got
Three 1, , 3
ok got = "Error", "an omitted argument of a procedure"
answer = MsgBox("a", , "title")
ok answer = 6, "MsgBox with an omitted argument"
ok IsNull(Null) And vbDecimal = 14 And vbUseSystem = 0 And vbDatabaseCompare = 2, "constants of types and compare"
ok vbMsgBoxHelpButton = 16384 And vbMsgBoxSetForeground = 65536 And vbMsgBoxRight = 524288 And vbMsgBoxRtlReading = 1048576, "MsgBox constants"
ok vbUseSystemDayOfWeek = 0 And vbFirstFourDays = 2 And vbLongTime = 3 And vbObjectError = -2147221504, "other constants"

On Error Resume Next
Call CByte(1)
ok Err.Number = 458, "Call on a conversion function: " & Err.Number
Err.Clear
CStr 1
ok Err.Number = 458, "a conversion function as a statement"
Err.Clear
x = InStr(, "a", "b")
ok Err.Number = 13, "InStr with its start omitted: " & Err.Number
Err.Clear
x = InStr(1, "a", "b", 5)
ok Err.Number = 5, "an invalid compare argument: " & Err.Number
Err.Clear
x = StrComp("a", "b", Null)
ok Err.Number = 94, "a Null compare argument: " & Err.Number
Err.Clear
x = Mid("abc", Null)
ok Err.Number = 94, "a Null start: " & Err.Number
Err.Clear
x = Mid("abc", 0)
ok Err.Number = 5, "a zero start"
Err.Clear
x = Mid("abc", 1, -1)
ok Err.Number = 5, "a negative length"
Err.Clear
x = CByte(-0.51)
ok Err.Number = 6, "CByte below zero"
Err.Clear
x = Hex(2147483648)
ok Err.Number = 6, "Hex beyond Long"
Err.Clear
x = Join("abc")
ok Err.Number = 13, "Join of a text"
Err.Clear

Err.Raise 1000, "Menu", "Bad", "help.chm", 42
ok Err.Number = 1000 And Err.Source = "Menu" And Err.Description = "Bad", "Err.Raise number, source, description"
ok Err.HelpFile = "help.chm" And Err.HelpContext = 42, "Err.Raise help file and context"
Err.Clear
ok Err.HelpFile = "" And Err.HelpContext = 0 And Err.Number = 0, "Err.Clear resets every field"
Err.Raise 11
ok Err.Number = 11 And Err.Description = "Division by zero", "a language error number gets its own text"
ok Err.Source <> "", "and a source"
Err.Clear
Err.Raise 13, , , , 7
ok Err.Description = "Type mismatch" And Err.HelpContext = 7, "omitted Raise arguments"
Err.Clear
Err.HelpFile = "x.hlp"
ok Err.HelpFile = "x.hlp", "HelpFile can be set"
Err.Clear
On Error GoTo 0
