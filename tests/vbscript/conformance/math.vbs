' Math functions.
ok Int(2.7) = 2 And Int(-2.7) = -3, "Int floors"
ok Fix(2.7) = 2 And Fix(-2.7) = -2, "Fix truncates"
ok TypeName(Int(5)) = "Integer", "Int keeps Integer"
ok Abs(-3) = 3 And Abs(2.5) = 2.5 And IsNull(Abs(Null)), "Abs"
ok Sgn(-5) = -1 And Sgn(0) = 0 And Sgn(3.2) = 1, "Sgn"
ok Round(2.5) = 2 And Round(3.5) = 4 And Round(-2.5) = -2, "Round half to even"
ok Round(1.2345, 2) = 1.23 And Round(2.675, 2) = 2.68, "Round to digits"
ok Sqr(16) = 4, "Sqr"
ok Abs(Sin(0)) < 1E-12 And Abs(Cos(0) - 1) < 1E-12, "Sin Cos"
ok Abs(Tan(Atn(1)) - 1) < 1E-12, "Tan Atn"
ok Abs(Atn(1) * 4 - 3.14159265358979) < 1E-12, "Atn"
ok Abs(Exp(1) - 2.71828182845905) < 1E-12 And Abs(Log(Exp(2)) - 2) < 1E-12, "Exp Log"
Randomize 1
r = Rnd
ok r >= 0 And r < 1, "Rnd range"
ok TypeName(Rnd) = "Single", "Rnd is Single"
ok Rnd(0) = Rnd(0), "Rnd(0) repeats the last number"
a = Rnd(-3) : b = Rnd(-3)
ok a = b, "Rnd with a negative seed is repeatable"
ok RGB(255, 0, 0) = 255 And RGB(0, 0, 255) = 16711680, "RGB"
