10 DIM A(2,3)
20 LET A(2,3) = 7
30 PRINT A(2,3), A(1,1)
40 LET A(3,1) = 0
50 PRINT "unreached"
