' Arrays and their functions.
a = Array(10, 20, 30)
ok UBound(a) = 2 And LBound(a) = 0, "Array bounds"
ok a(1) = 20, "Array element"
e = Array()
ok UBound(e) = -1, "empty Array"
Dim grid(2, 3)
ok UBound(grid, 1) = 2 And UBound(grid, 2) = 3 And LBound(grid, 2) = 0, "bounds per dimension"
grid(2, 3) = "x"
ok grid(2, 3) = "x", "element of two dimensions"
Dim dyn()
ReDim dyn(1, 1)
dyn(1, 1) = 4
ReDim Preserve dyn(1, 3)
ok dyn(1, 1) = 4 And UBound(dyn, 2) = 3, "ReDim Preserve of the last dimension"
f = Filter(Array("apple", "pear", "grape"), "ap")
ok UBound(f) = 1 And f(0) = "apple" And f(1) = "grape", "Filter"
f = Filter(Array("apple", "pear", "grape"), "ap", False)
ok UBound(f) = 0 And f(0) = "pear", "Filter exclude"
f = Filter(Array("Apple", "pear"), "a", True, vbTextCompare)
ok UBound(f) = 1, "Filter text compare"
nested = Array(Array(1, 2), Array(3, 4))
ok nested(1)(0) = 3, "arrays of arrays"
b = a
b(0) = 99
ok a(0) = 10, "assignment copies arrays"
ok IsArray(a) And TypeName(a) = "Variant()", "array type"
s = 0
For Each x In a : s = s + x : Next
ok s = 60, "For Each sums"
For Each x In a : x = 0 : Next
ok a(0) = 10, "For Each variable is a copy"
ok Join(Split("1;2;3", ";"), "") = "123", "Split and Join"
