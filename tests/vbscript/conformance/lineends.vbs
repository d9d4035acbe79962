x = 1 _
+ 2
ok x = 3, "CRLF continuation"y = 4 _+ 1ok y = 5, "CR continuation"
