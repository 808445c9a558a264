' mode: both
n = 0
do count
n += 1
if (n = 2)
?. two
else
?. [n]
endif
loop.until count (n = 4)
? 
? after [n]
