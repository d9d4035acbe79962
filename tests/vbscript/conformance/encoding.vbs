' Escape, Unescape and the byte functions over UTF-16 text.
ok Escape("a b&c") = "a%20b%26c", "Escape"
ok Escape("@*_+-./09AZaz") = "@*_+-./09AZaz", "characters Escape keeps"
ok Escape("é€") = "%E9%u20AC", "Escape above 127 and above 255"
ok Unescape("a%20b%26c%u20AC") = "a b&c€", "Unescape"
ok Unescape("100%") = "100%" And Unescape("%zz%u12") = "%zz%u12", "Unescape leaves bad escapes"
ok Unescape(Escape("Fenêtre ""1"" & 2")) = "Fenêtre ""1"" & 2", "a round trip"
ok IsNull(Escape(Null)) And IsNull(Unescape(Null)), "Null"
ok LenB("abc") = 6 And LenB("") = 0 And IsNull(LenB(Null)), "LenB counts two bytes a character"
ok LeftB("abcd", 4) = "ab" And LeftB("abcd", 3) = "a", "LeftB"
ok RightB("abcd", 4) = "cd" And RightB("ab", 10) = "ab", "RightB"
ok MidB("abcd", 3, 2) = "b" And MidB("abcd", 3) = "bcd", "MidB"
ok AscB("A") = 65 And AscB(ChrW(&H1234)) = &H34 And VarType(AscB("A")) = vbByte, "AscB is the first byte"
ok ChrB(65) = "A", "ChrB"
ok InStrB("abcabc", "c") = 5 And InStrB(6, "abcabc", "c") = 11 And InStrB("abc", "z") = 0, "InStrB gives byte positions"
ok InStrB(1, "ABC", "b", vbTextCompare) = 3, "InStrB with text compare"
On Error Resume Next
x = AscB("")
ok Err.Number = 5, "AscB of nothing"
Err.Clear
x = ChrB(256)
ok Err.Number = 5, "ChrB beyond a byte"
Err.Clear
x = LeftB("a", -1)
ok Err.Number = 5, "LeftB of a negative count"
Err.Clear
On Error GoTo 0
