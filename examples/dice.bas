10 REM The sums of two dice thrown 3600 times, as a bar chart.
20 REM The seed makes the throws the same on every machine.
30 CALL SEED(2024)
40 DIM H(12)
50 FOR T = 1 TO 3600
60 LET S = MIN(INT(RND(6)), 5) + MIN(INT(RND(6)), 5) + 2
70 LET H(S) = H(S) + 1
80 NEXT T
90 FOR S = 2 TO 12
100 PRINT RIGHT$(" " + STR$(S), 2) + " " + STRING$(ROUND(H(S) / 20), "*"), H(S)
110 NEXT S
