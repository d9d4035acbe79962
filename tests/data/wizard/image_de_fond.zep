
[Format]
Editeur=Assistant création ZEP
Version=2.0.450
Fichier=1.1
[Général]
fond.jpg
 9600 
 7200 
 0 
'para2
'para3
musique.mid
[ParamsPlus]
VBS:'CD¤Set exe_f = CreateObject("WScript.Shell")¤exe_f.Run("[LECT]:\lisez 'moi'.txt")
 16777215 
 1 
 0 
1000


 1 
'para9
'para10
[Bouton]
 200 
 150 
site_n.bmp
site_s.bmp
site_s.bmp
code
'SITE¤Set exe_f = CreateObject("WScript.Shell")¤exe_f.Run("http://www.example.org/")

 0 
 0 
'para4
[Bouton]
 200 
 600 
fin_n.bmp
fin_s.bmp
fin_c.bmp
quitter


 0 
 0 
'para4
[Bouton]
 200 
 1200 
film_n.bmp
film_s.bmp
film_c.bmp
vidéo
[LECT]:\videos\film.avi

 0 
 0 
'para4
