10 REM Fifty random seven-member committees drawn uniformly over the issue space.
20 REM For each: the yolk's radius and the area of the win set of the centre (50, 50).
30 REM A negative seed restarts the generator, so committee N can be drawn again alone.
40 PRINT "draw", "yolk radius", "win-set area"
50 FOR N = 1 TO 50
60 LET OK = NewMonteCarlo("Committee " + STR$(N), -N, 7, 3, 1, 50, 0, 50, 0)
70 IF OK = 1 THEN 100
80 PRINT "draw"; N; "failed"
90 GOTO -1
100 CALL SetStatusQuo(50, 50)
110 PRINT N, GetYolkRadius(), GetWinSetArea()
120 NEXT N
