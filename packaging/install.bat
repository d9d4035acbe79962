@echo off
rem Shipped on every CD made with ZEP: tells where the tool that made the menu comes from.
echo Ce menu a ete cree avec ZEP.
echo Pour installer ZEP, rendez-vous sur https://zep.example.org/
start "" "https://zep.example.org/"
pause
