' What the engine asks of its host.
answer = MsgBox("Question?", vbYesNo + vbQuestion, "Title")
ok answer = vbYes, "MsgBox returns the host's answer"
ok InputBox("Name?") = "", "InputBox without an answer is empty"
Set counter = CreateObject("Test.Counter")
counter.Value = 5
counter.Increment
ok counter.Value = 6, "host object members"
ok counter = 6, "host default member"
ok COUNTER.VALUE = 6, "host members ignore case"
ok TypeName(counter) = "Counter", "host type name"
On Error Resume Next
counter.Missing
ok Err.Number = 438, "missing host member"
Err.Clear
Set none = CreateObject("Unknown.Thing")
ok Err.Number = 429, "unknown class"
Err.Clear
p = LoadPicture("nothing.bmp")
ok Err.Number = 481, "LoadPicture goes to the host"
On Error GoTo 0
ok ScriptEngine() = "VBScript", "ScriptEngine"
