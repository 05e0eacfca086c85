<!DOCTYPE html>
<html>
<head>
<meta charset="UTF-8">
<title>Grüße aus Köln</title>
</head>
<body>
static greeting,Señor Müller’s café
button accents,Show the words
static words,
@script
function accents() {
   update words,"Grüße, café, naïve"
}
@html
</body>
</html>
