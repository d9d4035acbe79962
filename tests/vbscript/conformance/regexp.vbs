' The RegExp object and its pattern language.
Set re = New RegExp
ok TypeName(re) = "IRegExp2", "TypeName of a RegExp"
ok re.Pattern = "" And re.IgnoreCase = False And re.Global = False And re.Multiline = False, "defaults"
re.Pattern = "b+"
ok re.Test("abbbc"), "Test finds a match"
ok Not re.Test("ac"), "Test without a match"
ok re.Replace("abbcbb", "X") = "aXcbb", "Replace without Global replaces the first match"
re.Global = True
ok re.Replace("abbcbb", "X") = "aXcX", "Replace with Global replaces every match"

re.Pattern = "(\w+)@(\w+)\.com"
ok re.Replace("mail bob@site.com now", "$2 for $1") = "mail site for bob now", "$1 and $2"
ok re.Replace("bob@site.com", "[$&]") = "[bob@site.com]", "$& is the whole match"
ok re.Replace("x bob@site.com y", "<$`|$'>") = "x <x | y> y", "$` and $'"
ok re.Replace("bob@site.com", "$$1 $3") = "$1 $3", "$$ and a group that does not exist"

re.Pattern = "\d+"
Set ms = re.Execute("a1 b22 c333")
ok ms.Count = 3, "Execute finds every match with Global"
ok ms(1).Value = "22" And ms(1).FirstIndex = 4 And ms(1).Length = 2, "Value, FirstIndex, Length"
ok ms.Item(2) = "333", "Item, and Value as the default member"
all = ""
For Each m In ms
    all = all & m.Value & "@" & m.FirstIndex & " "
Next
ok all = "1@1 22@4 333@8 ", "For Each over Matches: " & all
re.Global = False
ok re.Execute("a1 b22").Count = 1, "without Global, one match"
ok re.Execute("abc").Count = 0, "no match: an empty collection"

re.Pattern = "(\d+)-(\d+)?-(x)"
re.Global = True
Set m = re.Execute("12--x")(0)
ok m.SubMatches.Count = 3, "SubMatches count"
ok m.SubMatches(0) = "12" And IsEmpty(m.SubMatches(1)) And m.SubMatches(2) = "x", "SubMatches items; a group that took no part is Empty"
parts = ""
For Each s In m.SubMatches
    parts = parts & "[" & s & "]"
Next
ok parts = "[12][][x]", "For Each over SubMatches"

re.Pattern = "HELLO"
ok Not re.Test("say hello"), "case matters by default"
re.IgnoreCase = True
ok re.Test("say hello"), "IgnoreCase"
re.Pattern = "[A-Z]+"
ok re.Replace("abc", "-") = "-", "IgnoreCase applies to classes"
re.IgnoreCase = False

re.Pattern = "^\w+$"
ok Not re.Test("one" & vbLf & "two"), "^ and $ at the ends of the text"
re.Multiline = True
ok re.Execute("one" & vbLf & "two").Count = 2, "Multiline: ^ and $ at line ends"
re.Multiline = False

re.Pattern = "a.c"
ok re.Test("abc") And Not re.Test("a" & vbLf & "c"), ". is any character but a line feed"
re.Pattern = "^(?:ab)+$"
ok re.Test("ababab") And Not re.Test("aba"), "non-capturing group with +"
re.Pattern = "foo(?=bar)"
ok re.Replace("foobar foobaz", "X") = "Xbar foobaz", "positive lookahead"
re.Pattern = "foo(?!bar)"
ok re.Replace("foobar foobaz", "X") = "foobar Xbaz", "negative lookahead"
re.Pattern = "(a|bc)+d"
ok re.Execute("xabcad")(0).Value = "abcad", "alternation inside a repeated group"
re.Pattern = "<.+?>"
ok re.Execute("<a><b>")(0).Value = "<a>", "lazy quantifier"
re.Pattern = "<.+>"
ok re.Execute("<a><b>")(0).Value = "<a><b>", "greedy quantifier"
re.Pattern = "^\d{3}-\d{2,4}$"
ok re.Test("123-45") And re.Test("123-4567") And Not re.Test("123-45678") And Not re.Test("12-45"), "counted repeats"
re.Pattern = "x{,2}"
ok re.Test("x{,2}"), "a brace that is not a count is a character"
re.Pattern = "(\w)\1"
ok re.Execute("abccd")(0).Value = "cc", "back reference"
re.Pattern = "\bcat\b"
ok re.Test("a cat here") And Not re.Test("concatenate"), "word boundaries"
re.Pattern = "[^aeiou\s]+"
ok re.Execute("ou xyz")(0).Value = "xyz", "negated class with an escape"
re.Pattern = "\x41\u0042\t"
ok re.Test("AB" & vbTab), "\x, \u and \t"
re.Pattern = "[\d.-]+"
ok re.Execute("v -1.5 ")(0).Value = "-1.5", "a dash at the end of a class"
re.Pattern = "a*"
ok re.Replace("baaac", "-") = "-b--c-", "empty matches advance one character"
re.Pattern = "\."
ok re.Replace("a.b.c", "\") = "a\b\c", "escaped dot"
re.Pattern = "(a*)*b"
ok re.Test("aaab"), "a group that can match empty, repeated"
ok re.Replace("aab", "[$1]") = "[aa]", "an empty repetition does not count"

On Error Resume Next
re.Pattern = "(ab"
re.Test "x"
ok Err.Number = 5020, "Expected ')': " & Err.Number
Err.Clear
re.Pattern = "[ab"
re.Test "x"
ok Err.Number = 5019, "Expected ']': " & Err.Number
Err.Clear
re.Pattern = "*a"
re.Test "x"
ok Err.Number = 5018, "Unexpected quantifier: " & Err.Number
Err.Clear
re.Pattern = "[z-a]"
re.Test "x"
ok Err.Number = 5021, "Invalid range: " & Err.Number
Err.Clear
re.Pattern = "a)"
re.Test "x"
ok Err.Number = 5017, "Syntax error in regular expression: " & Err.Number
Err.Clear
x = ms(5)
ok Err.Number = 5, "an item beyond the Matches: " & Err.Number
Err.Clear
On Error GoTo 0

Function Shout(m, word, position, source)
    Shout = UCase(word) & position
End Function
re.Pattern = "(\w+)"
re.Global = True
ok re.Replace("ab cd", GetRef("Shout")) = "AB0 CD3", "a GetRef function as the replacement"
