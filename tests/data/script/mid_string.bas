10 PRINT MID$("abcdef", 3, -1)
20 PRINT "[" + MID$("abc", 5, 1) + "]"
30 PRINT MID$("abc", 0, 1)
