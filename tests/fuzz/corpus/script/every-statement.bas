10 DIM S$(3)
15 DIM B(2, 2)
20 FOR I = 1 TO 3
30 LET S$(I) = STRING$(I, "x") + MID$("abc", I, 1)
40 LET B(1, 2) = B(1, 2) + I * I / 3
50 NEXT I
60 IF B(1, 2) > 1 THEN 65
62 PRINT "small"
65 PRINT S$(3), LEN(S$(2))
70 INPUT T$
80 PRINT INSTR(T$, "b", 1), VAL("12abc"), ASCII(T$), POW(2, 10), LN(SQRT(16)), CHR$(65)
90 GOTO 110
100 PRINT "skipped"
110 REM the end
