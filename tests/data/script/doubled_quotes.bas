10 LET A$ = "say ""hi"""
20 PRINT A$
30 PRINT LEN(A$)
40 PRINT "a" "b"
