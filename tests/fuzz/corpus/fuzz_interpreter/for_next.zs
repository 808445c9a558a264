' mode: both
x = 0
FOR i = (1 to 5 step 1)
x += i
NEXT i
? sum [x] last [i]
FOR j = (5 to 1 step -2)
?. [j],
NEXT j
? 
FOR a = (1 to 2 step 1)
FOR b = (1 to 2 step 1)
? [a]-[b]
NEXT b
NEXT a
FOR w = "two words" plain
? <[w]>
NEXT w
