<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Ohjelman päivitys</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Asennustiedostoja ladataan.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Ohjelma on jo käynnissä</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline on jo käynnissä.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Ohjelman päivitys epäonnistui</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Verkkoyhteyttä ei ole. 
Päivitystä ei voi jatkaa.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Tarkista verkko (myös verkkokaapeli ja reititin), palomuuri sekä virustorjuntaohjelman asetukset ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Ohjelman päivitys epäonnistui</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Päivitystiedostoa ei löydy.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Yritä myöhemmin uudelleen.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Jos ongelma jatkuu, ota yhteyttä asiakaspalveluun.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Siirry asiakaspalvelun verkkosivustolle</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Keskeytä päivitys</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Keskeytetäänkö päivitys nyt?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Jos keskeytät päivityksen, Cartaline suljetaan automaattisesti.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Ohjelman päivitys epäonnistui</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Cartaline-ohjelman päivitys epäonnistui.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Haluatko yrittää uudelleen?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline on valmis päivitettäväksi.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Salli muutos kirjoittamalla salasana.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Käyttäjänimi</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Salasana</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Ohjelman päivitys epäonnistui</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Verkkoyhteyttä ei ole. 
Päivitystä ei voi jatkaa.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Tarkista verkko (myös verkkokaapeli ja reititin), palomuuri 
sekä virustorjuntaohjelman asetukset ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Ohjelman päivitys epäonnistui</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Ohjelmaa ei voitu päivittää.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Yritä myöhemmin uudelleen.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Jos ongelma jatkuu, ota yhteyttä asiakaspalveluun.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Siirry asiakaspalvelun verkkosivustolle</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
