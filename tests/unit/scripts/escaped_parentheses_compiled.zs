' A compiled command keeps ":[", a line run by name turns it into "(".
? a:[1:]
FOR f = x:[1:] y
? [f]
NEXT f
