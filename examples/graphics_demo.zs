#name=graphics demo
#location=demo
' A small scene drawn in the output window's graphics mode.
gfx.open Zerin graphics demo
window.width 480
window.height 360
' Sky and meadow
bar 0 0 479 219 &h87CEEB
bar 0 220 479 359 &h4CAF50
'' The sun with a halo (circlef leaves solid filling on, so switch it off for the rings)
circlef 400 60 28 &hFFD54F
fillstyle transparent
circle 400 60 36 &hFFF59D
circle 400 60 42 &hFFF9C4
' The house: walls, a roof of lines, a door and a cross-hatched window
fillstyle solid
fillcolor &hF5DEB3
box 90 170 250 290 &h5D4037
gfx.drawwidth 3
line 80 170 170 100 &hB71C1C
line 170 100 260 170 &hB71C1C
gfx.drawwidth 1
bar 150 230 185 290 &h795548
fillstyle cross
fillcolor &h1565C0
box 200 195 235 225 &h1565C0
' A tree
bar 330 200 342 290 &h6D4C41
circlef 336 180 34 &h2E7D32
' A fence along the bottom
forecolor &hFFFFFF
FOR x = (10 to 470 step 20)
line x 300 x 335
NEXT x
line 0 310 479 310
line 0 325 479 325
forecolor &h000000
gfx.print 12 12 Zerin draws with scripts
gfx.refresh
