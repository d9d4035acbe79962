' Rnd, Randomize, Single printing and Round's subtypes.
Function Near(a, b) : Near = Abs(a - b) < 0.0000001 : End Function

' The generator: x = (x * &H43FD43FD + &HC39EC3) mod 2^24 from &H50000, Rnd = x / 2^24.
ok Near(Rnd(0), 327680 / 16777216), "Rnd(0) before any Rnd gives the starting seed"
ok Near(Rnd, 0.7055475) And Near(Rnd, 0.533424) And Near(Rnd, 0.5795186), "the first numbers of the sequence"
last = Rnd
ok Rnd(0) = last And Rnd(0) = last, "Rnd(0) repeats the last number"
ok TypeName(Rnd) = "Single", "Rnd is a Single"

' A negative argument takes the Single's bits as the seed: the same sequence each time.
firstOne = Rnd(-1)
ok Near(firstOne, 0.224007), "Rnd(-1)"
nextOne = Rnd
ok Rnd(-1) = firstOne And Rnd = nextOne, "Rnd(-1) starts the same sequence again"
ok Near(Rnd(-0.5), Rnd(-0.5)) And Rnd(-2) <> Rnd(-3), "each negative number has its own sequence"

' Randomize n keeps the seed's low byte and mixes the Double's upper half into the rest.
Rnd -1 : Randomize 1
a1 = Rnd : a2 = Rnd
Rnd -1 : Randomize 1
ok Rnd = a1 And Rnd = a2, "Rnd -1 then Randomize n repeats a sequence"
ok Near(a1, 0.3335753) And Near(a2, 0.06816387), "the sequence after Rnd -1 : Randomize 1"
Rnd -1 : Randomize 1.5
ok Rnd <> a1, "Randomize of another number gives another sequence"
Randomize
x = Rnd
ok x >= 0 And x < 1, "Randomize without argument seeds from the clock"

' A Single prints with single precision.
ok CStr(CSng(0.001 * 0.001)) = "1E-06", "CSng(0.001 * 0.001) prints 1E-06"
ok CStr(CSng(1 / 3)) = "0.3333333" And CStr(CSng(0.1)) = "0.1", "seven significant digits"
ok CStr(CSng(123456789)) = "1.234568E+08", "large Singles in exponent form"
ok CStr(CSng(2.5) * 2) = "5", "Single arithmetic"

' Round keeps integer subtypes and makes Doubles of the rest.
ok TypeName(Round(True)) = "Integer" And Round(True) = -1, "Round(True) is the Integer -1"
ok TypeName(Round(CByte(3))) = "Byte" And TypeName(Round(7)) = "Integer" And TypeName(Round(70000)) = "Long", "integers keep their subtype"
ok TypeName(Round("2.5")) = "Double" And Round("2.5") = 2, "text becomes a Double, halves to even"
ok TypeName(Round(CSng(2.5))) = "Single" And TypeName(Round(CCur(2.5))) = "Currency", "Single and Currency stay"
ok Round(2.675, 2) = 2.68 And Round(-1.5) = -2, "Round of Doubles"

' A Single that overflows in arithmetic becomes a Double; Rnd's argument must fit a Single.
big = CSng(3E+38)
ok TypeName(big * 2) = "Double" And big * 2 > 5.9E+38, "Single overflow gives a Double"
ok TypeName(big + CSng(1)) = "Single", "a Single in range stays"
On Error Resume Next
x = Rnd(1E+300)
ok Err.Number = 6, "Rnd of a number beyond Single raises 6"
Err.Clear
On Error GoTo 0
