10 REM The prime numbers up to 100, by the sieve of Eratosthenes
20 LET N = 100
30 DIM C(N)
40 FOR I = 2 TO SQRT(N)
50 IF C(I) = 1 THEN 90
60 FOR J = I * I TO N STEP I
70 LET C(J) = 1
80 NEXT J
90 NEXT I
100 LET K = 0
110 FOR I = 2 TO N
120 IF C(I) = 1 THEN 160
130 PRINT I;
140 PRINT " ";
150 LET K = K + 1
160 NEXT I
170 PRINT ""
180 PRINT "There are", K, "primes up to", N
