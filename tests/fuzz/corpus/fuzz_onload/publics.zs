public list.icons = 1
public do.mode = dom_file
public empty =
public paren = (a) b
x = (1 + 2)
? [x]
FOR i = (1 to 3 step 1)
? [i]
NEXT
public.save
