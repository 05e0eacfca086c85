<!DOCTYPE html>
<html>
<head>
<meta charset="UTF-8">
<title>Hello</title>
</head>
<body>
static msg,Hello
textbox name
button greet,Say hello
@script
def count,0
function greet() {
   inputstr name,who
   count = count + 1
   rand dice,6
   update msg,"Hello " + who
   if (dice == 6) {
      alert "Six"
   }
}
@html
</body>
</html>
