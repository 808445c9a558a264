' mode: both
FOR Count = (1 to 3 step 1)
?. [count]
NEXT COUNT
? 
n = 0
do again
n += 1
if (n > 2)
? big [n]
else
? small [n]
endif
loop.until again (n = 4)
FOR k = (1 to 2 step 1)
if (k = 2)
? two
endif
NEXT k
? done
