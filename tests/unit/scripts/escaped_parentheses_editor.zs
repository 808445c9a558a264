' mode: editor
? a:[1:]
FOR f = x:[1:] y
? [f]
NEXT f
